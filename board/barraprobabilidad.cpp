// SPDX-License-Identifier: GPL-3.0-or-later

#include "barraprobabilidad.h"

#include "estimadorenhilo.h"

#include <QAccessible>

BarraProbabilidad::BarraProbabilidad(int muestras, QWidget *parent)
    : QProgressBar(parent)
    , m_estimador(new EstimadorEnHilo(muestras, this))
{
    setObjectName(QStringLiteral("barraProbabilidad"));
    setRange(0, 100);
    setValue(0);
    setFormat(tr("%p %"));
    // No figure before the first one is worked out.
    setTextVisible(false);
    setMaximumHeight(fontMetrics().height());
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    setAccessibleName(tr("Probabilidad de ganar"));
    setToolTip(tr("Probabilidad de ganar la partida"));
    setVisible(false);
    connect(m_estimador, &EstimadorEnHilo::estimado, this, &BarraProbabilidad::mostrar);
}

void BarraProbabilidad::setActiva(bool activa)
{
    m_activa = activa;
    setVisible(activa);
}

void BarraProbabilidad::actualizar(const GameState &estado)
{
    if (m_activa)
        m_estimador->estimar(estado);
}

void BarraProbabilidad::actualizarTras(const GameState &antes, const Jugada &jugada)
{
    if (m_activa)
        m_estimador->estimarTras(antes, jugada);
}

void BarraProbabilidad::mostrar(int porcentaje)
{
    setValue(porcentaje);
    setTextVisible(true);
    setAccessibleName(tr("Probabilidad de ganar: %1 %").arg(porcentaje));
    emit mostrado(porcentaje);
}
