// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "lado.h"

#include <stop_token>

// Chooses the move of whoever sits at lado, in a position where that seat is
// to play and holds at least one card. The game carries out the move and shows
// it with the CPU's beats; the chooser only decides. A chooser reads only what
// that seat could know, though it is handed the whole state.
class Elector
{
public:
    virtual ~Elector() = default;
    virtual Jugada elegir(const GameState &estado, Lado lado) = 0;
    // The same choice written into jugada, whose storage a chooser may reuse:
    // the game asks at every CPU turn, and a lift's places would otherwise be
    // allocated each time.
    virtual void elegirEn(const GameState &estado, Lado lado, Jugada &jugada)
    {
        jugada = elegir(estado, lado);
    }
    // The same choice, asked off the window's thread: once the token is asked to
    // stop, a chooser that thinks long gives up soon, and jugada is not used.
    virtual void elegirInterrumpible(const GameState &estado, Lado lado, Jugada &jugada,
                                     std::stop_token)
    {
        elegirEn(estado, lado, jugada);
    }
};
