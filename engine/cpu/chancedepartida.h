// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "posicioncompacta.h"

// A side's chance to win the game from the score, when the hand in play ends
// a given way. A game is won at 3 points, a hand won is a point and a tied
// hand none. The side that opens a hand opens every hand of the game (a hand
// is an even number of moves), and the one that answers wins most hands
// between two strong players; the hands still to come are counted at the
// shares two Difícil players reach from either side.
class ChanceDePartida
{
public:
    enum class FinDeMano { Gana, Empata, Pierde }; // for the side whose chance is asked

    static constexpr int kPuntosParaGanar = 3;
    // Fresh hands between two Difícil players, by the side that opens them.
    static constexpr double kGanaQuienAbre = 0.18;
    static constexpr double kGanaQuienResponde = 0.816;

    // Before a fresh hand, at mios to suyos, the side opening (abre) or answering.
    static double antesDeMano(int mios, int suyos, bool abre);
    // Once the hand in play ended as fin.
    static double trasMano(int mios, int suyos, bool abre, FinDeMano fin);
    // The same for a side of a position, from its points and who opened its hand.
    static double trasMano(const PosicionCompacta &p, Lado lado, FinDeMano fin);
    // The side that opened the hand in play.
    static Lado quienAbre(const PosicionCompacta &p);
};
