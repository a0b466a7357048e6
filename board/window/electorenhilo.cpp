// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorenhilo.h"

#include <utility>

// The copy of the position is the worker's own; the chooser is touched by nobody
// else until its move is handed on.
void ElectorEnHilo::pensar(Elector &elector, const GameState &estado, Lado lado, Listo listo)
{
    m_trabajo.pedir(
        [&elector, estado, lado](std::stop_token parar) {
            Jugada jugada;
            elector.elegirInterrumpible(estado, lado, jugada, parar);
            return jugada;
        },
        std::move(listo));
}
