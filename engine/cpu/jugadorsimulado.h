// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movimientocompacto.h"
#include "nivelcpu.h"
#include "posicioncompacta.h"

// Who plays each seat when the chance a player is shown is worked out: the
// human's seat as the fast card-counting player the hint is built on (against
// Normal, one that knows the CPU plays its first card), the CPU's
// seat as the CPU of the level plays, each quick enough to be played out a
// couple of hundred times for every move worth comparing. Normal is its own rule.
// The Difícil player's own deals would cost a thousand times more, so its seat
// is played by the counting player that plays out those deals; Experto's
// likewise until every card is dealt, and then as Experto plays its last round:
// a hand the exact search wins against every defence is played that way.
class JugadorSimulado
{
public:
    explicit JugadorSimulado(NivelCpu nivel)
        : m_nivel(nivel)
    {
    }

    NivelCpu nivel() const { return m_nivel; }
    // The move of the seat to move.
    MovimientoCompacto elegir(const PosicionCompacta &p) const;
    // How far, in log-odds of the decisive hands for the human, these seats
    // played out from the deal etapa of a hand that abre opens fall short of the
    // hint against this level's CPU, as bench/chance_nivel measures it. Against
    // Normal, and against Experto when the CPU opens, the hint wins more hands
    // than its stand-in does, by the same amount until the last two deals; in the
    // other pairings the two are within about a tenth, and nothing is added.
    double desvio(Lado abre, int etapa) const;

private:
    NivelCpu m_nivel;
};
