// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"

// The lift ("levantar") on the card lists, for either participant. It tests
// nothing: it carries out what the marks say.
namespace Captura {

// Moves the marked hand card and either the opponent's whole pile (when its
// mark is set) or the marked table cards onto the lifter's pile, and records
// the lifter in ultimoEnLevantar. After a table lift the new pile top is the
// table card of the highest marked place; after a pile take it is the hand
// card, with the taken pile upside down beneath it.
void Levantar(GameState &estado, Lado quien);
// The same lift told by a move (LevantarMesa or LevantarMonton) instead of the
// marks, which it leaves as they are: how the CPU's chosen move is carried out.
void Levantar(GameState &estado, const Jugada &jugada, Lado quien);

// Puts every card of pila, one by one from its top, on top of quien's pile,
// then empties pila.
void PasarMonton(GameState &estado, CardList &pila, Lado quien);

// The cards left on the table go under the given pile, in table order.
void RecogerMesa(GameState &estado, CardList &pila);

} // namespace Captura
