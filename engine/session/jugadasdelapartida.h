// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "lado.h"

#include <QtGlobal>
#include <span>
#include <vector>

// One move of the game as played: who made it, what, and the position before it.
struct JugadaAnotada
{
    GameState antes;
    Lado lado = Lado::Humano;
    Jugada jugada;
};

// Every move of both sides of the current game, from its first hand or from
// the position it was opened or resumed at, for the review. Each move is tied
// to the place its sentence takes in the game's history lines, so that the
// moves follow the lines as undo and redo put them back: a move whose line is
// gone is not shown, and comes back with its line on redo until another move
// takes its place.
class JugadasDeLaPartida
{
public:
    // The moves whose lines the history holds, oldest first.
    std::span<const JugadaAnotada> jugadas() const { return { m_jugadas.data(), m_visibles }; }

    void empezar();
    // A move told at this line of the game's history (counted from its heading).
    void anotar(qsizetype linea, const GameState &antes, Lado lado, const Jugada &jugada);
    // The game's history now holds this many lines.
    void setLineas(qsizetype lineas);

private:
    // Both in the order played: each move and the line that tells it.
    std::vector<JugadaAnotada> m_jugadas;
    std::vector<qsizetype> m_lineas;
    std::size_t m_visibles = 0;
};
