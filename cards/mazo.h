// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classnaipe.h"

#include <array>
#include <cstdint>
#include <stdexcept>

// The 40 cards of the deck, numbered 1..40. A card's number is its identity:
// every card list and every saved game refers to cards by it.
class Mazo
{
public:
    static constexpr int kCartas = 40;

    // Write access may change a palo or a dealt flag, so the indexes are rebuilt
    // at the next read.
    classNaipe &carta(int numero)
    {
        m_alDia = false;
        return m_cartas.at(static_cast<std::size_t>(numero - 1));
    }
    const classNaipe &carta(int numero) const
    {
        return m_cartas.at(static_cast<std::size_t>(numero - 1));
    }

    // The dealt flag, changed at every deal; the index of dealt cards follows it.
    bool repartida(int numero) const { return m_cartas[indice(numero)].repartida(); }
    void a_repartida(int numero, bool valor)
    {
        const std::size_t i = indice(numero);
        m_cartas[i].a_repartida(valor);
        const std::uint64_t bit = std::uint64_t { 1 } << i;
        m_repartidas = valor ? m_repartidas | bit : m_repartidas & ~bit;
    }
    // Every card undealt, as at the start of a hand.
    void olvidarRepartidas()
    {
        for (classNaipe &c : m_cartas)
            c.a_repartida(false);
        m_repartidas = 0;
    }
    // Bit n - 1 set for each dealt card n: the deal draws against it rather
    // than asking card by card.
    std::uint64_t repartidas() const
    {
        if (!m_alDia) [[unlikely]]
            indexar();
        return m_repartidas;
    }

    // The card's palo as a small number: two cards have the same palo exactly
    // when they have the same number. The rules compare palos on every move,
    // so they compare these rather than the texts.
    std::uint8_t paloId(int numero) const
    {
        const std::size_t i = indice(numero);
        if (!m_alDia) [[unlikely]]
            indexar();
        return m_palos[i];
    }

private:
    // Card numbers outside 1..40 throw std::out_of_range, as std::array::at does.
    // The throw and the indexing live out of line: kept here they made the
    // compiler call paloId rather than inline it, at every palo compared.
    static std::size_t indice(int numero)
    {
        const auto i = static_cast<std::size_t>(numero - 1);
        if (i >= kCartas) [[unlikely]]
            fueraDeRango();
        return i;
    }
    [[noreturn]] static void fueraDeRango();
    void indexar() const;

    std::array<classNaipe, kCartas> m_cartas;
    mutable std::array<std::uint8_t, kCartas> m_palos {};
    mutable std::uint64_t m_repartidas = 0;
    mutable bool m_alDia = false;
};
