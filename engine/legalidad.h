// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "lado.h"
#include "posicioncompacta.h"
#include "reglascompactas.h"

#include <vector>

// The rules asked of the game state: whether a move is one the seat at lado
// may make in the position, and which moves it may make. The answers come from
// ReglasCompactas, on the position as the rules read it, so that the CPU's
// levels, the hint and every way the human plays (clicks, keys, drops and the
// Levantar button) give the same verdict.
namespace Legalidad {

// What the rules read of the state: both hands, the table and the pile tops.
PosicionCompacta posicion(const GameState &estado);
int asiento(Lado lado);

bool esLegal(const GameState &estado, const Jugada &jugada, Lado lado);

// The legal moves of the seat, in hand-slot order.
std::vector<Jugada> legales(const GameState &estado, Lado lado,
                            ReglasCompactas::Alcance alcance = ReglasCompactas::Alcance::Todas);

} // namespace Legalidad
