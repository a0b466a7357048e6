// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugada.h"
#include "vistadificil.h"

// Hears the human seat's moves of a simulated run, with the hands and games
// they belong to: each move as the position the seat saw before it and the
// move it played, then the ends the move brought about, if any.
class OyenteDelHumano
{
public:
    virtual ~OyenteDelHumano() = default;
    virtual void antesDeJugar(const VistaDificil &vista) = 0;
    virtual void trasJugar(const Jugada &jugada) = 0;
    virtual void alTerminarMano() = 0;
    virtual void alTerminarPartida(bool ganaHumano) = 0;
};
