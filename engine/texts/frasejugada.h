// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "lado.h"

#include <QString>

// A move in words, told from the position before it is carried out.
namespace FraseJugada {

// What the CPU does, for the status bar: "La CPU tira el 4 de bastos a la mesa".
QString cpu(const GameState &antes, const Jugada &jugada);
// A move of the demonstration, where the CPU plays both seats and neither is the player's:
// "La CPU 2 tira el 4 de bastos a la mesa".
QString demostracion(const GameState &antes, const Jugada &jugada, Lado lado);
// What the human did, for the history: "Levantas el 5 de oros con el Rey de oros".
QString humano(const GameState &antes, const Jugada &jugada);
// A move suggested to the human, with the key that carries it out:
// "Pon el 3 de copas en tu montón (Intro)".
QString pista(const GameState &antes, const Jugada &jugada);

} // namespace FraseJugada
