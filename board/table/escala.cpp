// SPDX-License-Identifier: GPL-3.0-or-later

#include "escala.h"

#include "lugaresclasicos.h"

#include <QtMath>
#include <algorithm>

Escala::Escala(qreal factor, QPoint origen)
    : m_factor(factor)
    , m_origen(origen)
{
}

Escala Escala::paraTamano(int ancho, int alto)
{
    const qreal anchoTablero = LugaresClasicos::kAncho / kTwipsPorPixel;
    const qreal altoTablero = LugaresClasicos::kAlto / kTwipsPorPixel;
    const qreal factor = std::max(0.1, std::min(ancho / anchoTablero, alto / altoTablero));
    const QPoint origen(qRound((ancho - anchoTablero * factor) / 2),
                        qRound((alto - altoTablero * factor) / 2));
    return Escala(factor, origen);
}

int Escala::px(int twips) const
{
    return qRound(twips * m_factor / kTwipsPorPixel);
}

QPoint Escala::punto(const QPoint &twips) const
{
    return m_origen + QPoint(px(twips.x()), px(twips.y()));
}

QRect Escala::rect(const QRect &twips) const
{
    // Both corners are mapped, so neighbouring controls never drift apart.
    const QPoint a = punto(twips.topLeft());
    const QPoint b = punto(QPoint(twips.x() + twips.width(), twips.y() + twips.height()));
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
}
