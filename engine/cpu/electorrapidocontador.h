// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movimientocompacto.h"
#include "posicioncompacta.h"

// A quick player that counts cards: it weighs what a move gains in pile
// difference now against the chance that the opponent's next card takes its
// pile, from the palo of its pile's top among the cards it has not seen. It
// looks at nothing a player at the table could not see, and it plays both
// sides of the Difícil player's rollouts.
class ElectorRapidoContador
{
public:
    // The move for the seat to move.
    static MovimientoCompacto elegir(const PosicionCompacta &p);
    // The same against an opponent known to play the Normal rule: its next move
    // is its first card's, and that card is any card the mover has not seen.
    static MovimientoCompacto elegirContraNormal(const PosicionCompacta &p);
    // The chance that h cards drawn from u unseen cards hold at least one of
    // the c cards of a palo.
    static double probabilidadDeTener(int c, int u, int h);
};
