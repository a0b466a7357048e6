// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugada.h"
#include "lado.h"

#include <optional>

// How much a move cost the mover's chance to win the game, against the best
// move of its position, in points of that chance (0 to 100).
enum class ClaseJugada {
    Buena, // less than 2 points
    Dudosa, // 2 to 5
    Error, // 5 to 15
    Grave, // 15 or more
};

// One move of a game as a review shows it: who played it and what, the
// mover's chance to win the game before and after it (in percent), the human's
// chance to win the hand in play before and after it, the
// points it lost against the best move, that move when it is clearly better, and the
// class the loss puts it in.
struct RevisionJugada
{
    static constexpr double kDudosa = 2.0;
    static constexpr double kError = 5.0;
    static constexpr double kGrave = 15.0;
    // Moves closer than this cannot be told apart by the judge's deals: a better
    // move is named only when it is better by this much or more.
    static constexpr double kMejorNombrada = 0.5;

    Lado lado = Lado::Humano;
    Jugada jugada;
    double antes = 0.0;
    double despues = 0.0;
    double manoHumanoAntes = 0.0;
    double manoHumanoDespues = 0.0;
    double perdida = 0.0;
    std::optional<Jugada> mejor;
    ClaseJugada clase = ClaseJugada::Buena;

    static ClaseJugada clasificar(double perdida);
};
