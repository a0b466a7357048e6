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

    // Write access may change a palo, so the palo index is rebuilt at the next read.
    classNaipe &carta(int numero)
    {
        m_palosAlDia = false;
        return m_cartas.at(static_cast<std::size_t>(numero - 1));
    }
    const classNaipe &carta(int numero) const
    {
        return m_cartas.at(static_cast<std::size_t>(numero - 1));
    }

    // The dealt flag, changed at every deal without touching the palo index.
    bool repartida(int numero) const { return m_cartas[indice(numero)].repartida(); }
    void a_repartida(int numero, bool valor) { m_cartas[indice(numero)].a_repartida(valor); }

    // The card's palo as a small number: two cards have the same palo exactly
    // when they have the same number. The rules compare palos on every move,
    // so they compare these rather than the texts.
    std::uint8_t paloId(int numero) const
    {
        const std::size_t i = indice(numero);
        if (!m_palosAlDia) [[unlikely]]
            indexarPalos();
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
    void indexarPalos() const;

    std::array<classNaipe, kCartas> m_cartas;
    mutable std::array<std::uint8_t, kCartas> m_palos {};
    mutable bool m_palosAlDia = false;
};
