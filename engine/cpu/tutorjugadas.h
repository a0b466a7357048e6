// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"

#include <functional>

// Looks at each move of the human before the CPU replies to it, and says what
// it has to say of it; the game goes on once it is said. The window's tutor
// judges the move off the window's thread; a game without one (tests, the
// simulator) goes straight on to the CPU's turn.
class TutorJugadas
{
public:
    using Listo = std::function<void()>;

    virtual ~TutorJugadas() = default;
    // The human played jugada from antes. listo is called once, on the caller's
    // thread, when whatever is to be said of the move is shown.
    virtual void revisar(const GameState &antes, const Jugada &jugada, Listo listo) = 0;
};
