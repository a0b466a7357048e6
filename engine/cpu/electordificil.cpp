// SPDX-License-Identifier: GPL-3.0-or-later

#include "electordificil.h"

ElectorDificil::ElectorDificil(std::uint64_t semilla, int muestras)
    : m_jugador(muestras)
    , m_semilla(semilla)
{
}

Jugada ElectorDificil::elegir(const GameState &estado, Lado lado)
{
    return m_jugador.elegir(estado, lado, m_semilla);
}
