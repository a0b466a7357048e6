// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "lado.h"
#include "movimientocompacto.h"
#include "reglascompactas.h"

#include <vector>

// The rules asked of the game state: whether a move is one the seat at lado
// may make in the position, and which moves it may make. The answers are
// ReglasCompactas', reading the state where it lies, so the CPU's levels, the
// hint and every way the human plays (clicks, keys, drops and the Levantar
// button) get the same verdict.
namespace Legalidad {

bool esLegal(const GameState &estado, const Jugada &jugada, Lado lado);
// The same for a move whose places are a mask: nothing to allocate.
bool esLegal(const GameState &estado, const MovimientoCompacto &movimiento, Lado lado);

// The legal moves of the seat, in hand-slot order.
std::vector<Jugada> legales(const GameState &estado, Lado lado,
                            ReglasCompactas::Alcance alcance = ReglasCompactas::Alcance::Todas);

} // namespace Legalidad
