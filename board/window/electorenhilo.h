// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "electorenespera.h"
#include "trabajodefondo.h"

// The CPU thinks off the window's thread, one move at a time, while the window
// paints and answers; the move comes back on the window's thread.
class ElectorEnHilo : public ElectorEnEspera
{
public:
    void pensar(Elector &elector, const GameState &estado, Lado lado, Listo listo) override;

private:
    // Gone with the thinker: a move being thought is stopped and not handed on.
    TrabajoDeFondo m_trabajo;
};
