// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorpista.h"

#include "pista.h"

Jugada ElectorPista::elegir(const GameState &estado, Lado)
{
    return Pista::mejor(estado, m_nivel);
}
