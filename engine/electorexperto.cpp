// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorexperto.h"

#include "posicioncompacta.h"

ElectorExperto::ElectorExperto(std::uint64_t semilla, int muestras)
    : m_jugador(muestras)
    , m_semilla(semilla)
{
}

Jugada ElectorExperto::elegir(const GameState &estado, Lado lado)
{
    const int asiento = lado == Lado::Cpu ? PosicionCompacta::kCpu : PosicionCompacta::kHumano;
    return m_jugador.elegir(estado, asiento, m_semilla);
}
