// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "nivelcpu.h"

#include <functional>

// The move suggested to the human. The Normal rule weighs every hand card:
// take the CPU's pile when a card matches its top; else the lift that takes
// the most table cards; else lay a card that no table card matches. Ties go to
// the lowest hand slot, then the lowest table place. The game's hint is the
// move the judge of the chance to win rates best against the CPU's level
// (mejor), so that the tutor, judging with the same figures, never calls it a
// mistake; it is given to the hint as its chooser.
class Pista
{
public:
    using Elector = std::function<Jugada(const GameState &)>;

    Pista();

    // An empty chooser brings back the Normal rule.
    void setElector(Elector elector);
    // The human's hand must hold a card.
    Jugada elegir(const GameState &estado) const { return m_elector(estado); }

    static Jugada normal(const GameState &estado);
    // The human's move that EstimadorVictoria at nivel rates best, as the tutor
    // and the review rate it.
    static Jugada mejor(const GameState &estado, NivelCpu nivel);
    // The marks a player sets for the move: its hand card and, for a lift, what
    // it takes; for a card onto the own pile, that pile. Every other table,
    // hand and pile mark is cleared, so Enter plays exactly this move.
    static void marcar(Marcas &marcas, const Jugada &jugada);

private:
    Elector m_elector;
};
