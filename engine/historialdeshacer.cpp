// SPDX-License-Identifier: GPL-3.0-or-later

#include "historialdeshacer.h"

#include <utility>

void HistorialDeshacer::olvidar()
{
    m_fotos.clear();
    m_actual = 0;
}

void HistorialDeshacer::anotar(Foto foto)
{
    if (!m_fotos.empty())
        m_fotos.resize(m_actual + 1);
    // The marks are the board's of the moment, not part of the position.
    foto.estado.marcas = {};
    m_fotos.push_back(std::move(foto));
    m_actual = m_fotos.size() - 1;
}

const HistorialDeshacer::Foto *HistorialDeshacer::deshacer()
{
    if (!puedeDeshacer())
        return nullptr;
    return &m_fotos.at(--m_actual);
}

const HistorialDeshacer::Foto *HistorialDeshacer::rehacer()
{
    if (!puedeRehacer())
        return nullptr;
    return &m_fotos.at(++m_actual);
}
