// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"
#include "gamestate.h"
#include "jugada.h"
#include "lado.h"

#include <functional>

// Waits for a chooser's move without holding up the caller: the window's thinker
// asks on a thread of its own, so the board paints and answers while the CPU thinks.
class ElectorEnEspera
{
public:
    using Listo = std::function<void(const Jugada &)>;

    virtual ~ElectorEnEspera() = default;
    // Asks elector for lado's move in a copy of estado and hands the move to listo on
    // the caller's thread, once. Nobody else uses elector until then.
    virtual void pensar(Elector &elector, const GameState &estado, Lado lado, Listo listo) = 0;
};
