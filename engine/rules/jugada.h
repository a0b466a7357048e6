// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// One move of either participant, told by places rather than by cards, so it
// can be checked against, and carried out on, the position it was chosen in.
// The CPU's levels and the hint choose moves of this kind; the board's marks,
// the move sentences and the history describe them.
struct Jugada
{
    enum class Tipo {
        AlMonton, // the hand card onto the mover's own pile
        LevantarMonton, // the hand card takes the opponent's whole pile
        LevantarMesa, // the hand card lifts the table cards of its palo at `mesa`
        Tirar, // the hand card is laid on the table
    };

    Tipo tipo = Tipo::Tirar;
    int carta = 0; // the hand slot of the card played
    std::vector<int> mesa; // table places lifted, ascending; empty unless LevantarMesa

    bool operator==(const Jugada &) const = default;
};
