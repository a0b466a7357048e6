// SPDX-License-Identifier: GPL-3.0-or-later

#include "mazo.h"

#include <stdexcept>

void Mazo::fueraDeRango()
{
    throw std::out_of_range("Mazo: no card with that number");
}

void Mazo::indexar() const
{
    m_repartidas = 0;
    for (std::size_t i = 0; i < m_cartas.size(); ++i) {
        std::size_t j = 0;
        while (m_cartas[j].palo() != m_cartas[i].palo())
            ++j;
        m_palos[i] = j == i ? static_cast<std::uint8_t>(i) : m_palos[j];
        if (m_cartas[i].repartida())
            m_repartidas |= std::uint64_t { 1 } << i;
    }
    m_alDia = true;
}
