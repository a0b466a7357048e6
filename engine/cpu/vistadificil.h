// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "generadordificil.h"
#include "posicioncompacta.h"

#include <QString>
#include <cstdint>

struct GameState;

// What one side of the table can know: its own hand, the table, the top and
// size of each pile, the cards that went onto the piles, how many cards the
// opponent holds, the dealt count, the last lifter and the points. The
// opponent's cards and the undealt order are not in it: their places in
// `posicion` hold kNinguna, and `ocultas` is the set they are drawn from.
struct VistaDificil
{
    PosicionCompacta posicion; // posicion.turno is the side that looks
    std::uint64_t ocultas = 0; // the opponent's hand and the undealt cards

    Lado yo() const { return posicion.turno; }

    static VistaDificil desdePosicion(const PosicionCompacta &p, Lado lado);
    static VistaDificil desdeEstado(const GameState &estado, Lado lado);

    // A hash of everything in the view, to seed the player's own generator.
    std::uint64_t huella() const;

    // The opponent has shown the card in this slot of its hand by playing it:
    // it leaves the hidden cards, and every deal keeps it in that slot.
    void verCartaRival(int hueco, CardId carta);

    // A full position consistent with the view: the hidden cards dealt at
    // random to the opponent's unseen slots and the undealt deck.
    PosicionCompacta determinizar(GeneradorDificil &azar) const;

private:
    void ocultar();
};
