// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "lado.h"

// Whether a move is one the seat at lado may make in the position: a card of
// its hand onto its own pile; a lift of the opponent's pile whose top has the
// card's palo; a lift of table places (within the seven the board marks,
// ascending, none twice) that all have it; or a card laid when no table card
// has it. Both seats play by the same rules.
namespace Legalidad {

bool esLegal(const GameState &estado, const Jugada &jugada, Lado lado);

} // namespace Legalidad
