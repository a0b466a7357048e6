// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>

// A card's number in the deck, 1 .. 40; 0 is no card.
using CardId = std::uint8_t;
inline constexpr CardId kSinCarta = 0;

// An ordered list of cards, as a list box holds them. Positions count from 0;
// the list is never sorted. Reading at or past the end gives kSinCarta rather
// than failing. It lives inline, so a game state copies without allocating.
class CardList
{
public:
    static constexpr int kCapacidad = 40;

    void append(CardId carta)
    {
        if (m_cuenta == kCapacidad) [[unlikely]]
            demasiadas();
        m_cartas[static_cast<std::size_t>(m_cuenta++)] = carta;
    }
    void insert(int posicion, CardId carta)
    {
        if (m_cuenta == kCapacidad) [[unlikely]]
            demasiadas();
        if (posicion < 0 || posicion > m_cuenta)
            posicion = m_cuenta;
        for (int i = m_cuenta; i > posicion; --i)
            m_cartas[static_cast<std::size_t>(i)] = m_cartas[static_cast<std::size_t>(i - 1)];
        m_cartas[static_cast<std::size_t>(posicion)] = carta;
        ++m_cuenta;
    }
    // A position outside the list removes nothing.
    void removeAt(int posicion)
    {
        if (posicion < 0 || posicion >= m_cuenta)
            return;
        --m_cuenta;
        for (int i = posicion; i < m_cuenta; ++i)
            m_cartas[static_cast<std::size_t>(i)] = m_cartas[static_cast<std::size_t>(i + 1)];
    }
    CardId at(int posicion) const
    {
        // The capacity test is implied by the count; it lets the compiler see the bound.
        return posicion >= 0 && posicion < m_cuenta && posicion < kCapacidad
            ? m_cartas[static_cast<std::size_t>(posicion)]
            : kSinCarta;
    }
    // Puts the cards of otra on top of this list, otra's last card topmost:
    // what inserting them one by one at position 0 gives, in one move.
    void insertarAlReves(const CardList &otra)
    {
        if (m_cuenta + otra.m_cuenta > kCapacidad) [[unlikely]]
            demasiadas();
        CardId *const inicio = m_cartas.data();
        std::memmove(inicio + otra.m_cuenta, inicio, static_cast<std::size_t>(m_cuenta));
        std::reverse_copy(otra.begin(), otra.end(), inicio);
        m_cuenta += otra.m_cuenta;
    }
    int count() const { return m_cuenta; }
    bool isEmpty() const { return m_cuenta == 0; }
    void clear() { m_cuenta = 0; }

    const CardId *begin() const { return m_cartas.data(); }
    const CardId *end() const { return m_cartas.data() + m_cuenta; }

    friend bool operator==(const CardList &a, const CardList &b)
    {
        if (a.m_cuenta != b.m_cuenta)
            return false;
        for (int i = 0; i < a.m_cuenta; ++i)
            if (a.m_cartas[static_cast<std::size_t>(i)] != b.m_cartas[static_cast<std::size_t>(i)])
                return false;
        return true;
    }

private:
    // Throws std::length_error; out of line, so the list's operations stay
    // small enough to inline in the rules' loops.
    [[noreturn]] static void demasiadas();

    std::array<CardId, kCapacidad> m_cartas {};
    int m_cuenta = 0;
};
