// SPDX-License-Identifier: GPL-3.0-or-later

#include "headlessview.h"

void HeadlessView::UpdateForm()
{
    ++m_actualizaciones;
    if (m_alActualizar)
        m_alActualizar();
}

void HeadlessView::mostrarResultadoMano(const ResultadoDeMano &resultado)
{
    if (m_alContar)
        m_alContar(resultado);
}

void HeadlessView::Dialogo(const QString &, int, int, ResultadoDeMano::Ganador,
                           std::function<void()> alCerrar)
{
    if (m_alGanar)
        m_alGanar();
    alCerrar();
}
