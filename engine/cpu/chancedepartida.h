// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "nivelcpu.h"
#include "posicioncompacta.h"

// A side's chance to win the game from the score, when the hand in play ends
// a given way. A game is won at 3 points, a hand won is a point and a tied
// hand none. The side that opens a hand opens every hand of the game (a hand
// is an even number of moves), and the one that answers wins most hands
// between two strong players. The hands still to come are counted at the
// shares of fresh hands each side wins in the pairing at the table: two
// Difícil players, for the Experto player's own judgement, or the hint against
// a level of the CPU, for the chance a player is shown.
class ChanceDePartida
{
public:
    enum class FinDeMano { Gana, Empata, Pierde }; // for the side whose chance is asked

    // The shares of fresh hands each side wins, by the side that opens them;
    // what is left of one is the tied hands.
    struct Reparto
    {
        PorLado<double> abreCpu;
        PorLado<double> abreHumano;
    };

    static constexpr int kPuntosParaGanar = 3;
    // Fresh hands between two Difícil players, by the side that opens them.
    static constexpr double kGanaQuienAbre = 0.18;
    static constexpr double kGanaQuienResponde = 0.816;

    static Reparto entreDificiles();
    // The hint's player in the human's seat against the CPU at nivel.
    static Reparto contraLaPista(NivelCpu nivel);

    // Before a fresh hand, at mios to suyos, for lado when abre opens the hands.
    static double antesDeMano(const Reparto &r, Lado lado, int mios, int suyos, Lado abre);
    // The same between two Difícil players, for the side opening (abre) or answering.
    static double antesDeMano(int mios, int suyos, bool abre);
    // Once the hand in play ended as fin.
    static double trasMano(int mios, int suyos, bool abre, FinDeMano fin);
    // The same for a side of a position, from its points and who opened its hand.
    static double trasMano(const PosicionCompacta &p, Lado lado, FinDeMano fin);
    static double trasMano(const Reparto &r, const PosicionCompacta &p, Lado lado, FinDeMano fin);
    // The side that opened the hand in play.
    static Lado quienAbre(const PosicionCompacta &p);
};
