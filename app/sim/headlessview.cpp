#include "headlessview.h"

void HeadlessView::UpdateForm()
{
    ++m_actualizaciones;
    if (m_alActualizar)
        m_alActualizar();
}

void HeadlessView::mostrarContadores(int cpu, int humano)
{
    if (m_alContar)
        m_alContar(cpu, humano);
}

void HeadlessView::Dialogo(const QString &, int, int)
{
    if (m_alGanar)
        m_alGanar();
}
