// SPDX-License-Identifier: GPL-3.0-or-later

#include "jugadasdelapartida.h"

#include <algorithm>

namespace {

// How many of the moves, told at these ascending lines, a history of this many lines holds.
std::size_t tenidas(const std::vector<qsizetype> &lineas, qsizetype cuantas)
{
    return static_cast<std::size_t>(std::ranges::lower_bound(lineas, cuantas) - lineas.begin());
}

} // namespace

void JugadasDeLaPartida::empezar()
{
    m_jugadas.clear();
    m_lineas.clear();
    m_visibles = 0;
}

void JugadasDeLaPartida::anotar(qsizetype linea, const GameState &antes, Lado lado,
                                const Jugada &jugada)
{
    // The moves undone before this one are gone for good.
    const std::size_t quedan = tenidas(m_lineas, linea);
    m_jugadas.resize(quedan);
    m_lineas.resize(quedan);
    m_jugadas.push_back({ antes, lado, jugada });
    // The marks are the board's of the moment, not part of the position.
    m_jugadas.back().antes.marcas = {};
    m_lineas.push_back(linea);
    m_visibles = m_jugadas.size();
}

void JugadasDeLaPartida::setLineas(qsizetype lineas)
{
    m_visibles = tenidas(m_lineas, lineas);
}
