#pragma once

#include "classnaipe.h"

#include <array>

// The 40 cards of the deck, numbered 1..40. A card's number is its identity:
// every card list and every saved game refers to cards by it.
class Mazo
{
public:
    static constexpr int kCartas = 40;

    classNaipe &carta(int numero) { return m_cartas.at(static_cast<std::size_t>(numero - 1)); }
    const classNaipe &carta(int numero) const
    {
        return m_cartas.at(static_cast<std::size_t>(numero - 1));
    }

private:
    std::array<classNaipe, kCartas> m_cartas;
};
