// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorexperto.h"

ElectorExperto::ElectorExperto(std::uint64_t semilla, int muestras)
    : m_jugador(muestras)
    , m_semilla(semilla)
{
}

Jugada ElectorExperto::elegir(const GameState &estado, Lado lado)
{
    return m_jugador.elegir(estado, lado, m_semilla);
}

void ElectorExperto::elegirInterrumpible(const GameState &estado, Lado lado, Jugada &jugada,
                                         std::stop_token parar)
{
    jugada = m_jugador.elegir(estado, lado, m_semilla, parar);
}
