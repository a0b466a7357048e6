// SPDX-License-Identifier: GPL-3.0-or-later

#include "coinemblem.h"

#include <QPainter>
#include <QtMath>

void CoinEmblem::paint(QPainter &painter, Detail detail) const
{
    painter.save();
    paintRim(painter, detail);
    paintSun(painter, detail);
    painter.restore();
}

QPainterPath CoinEmblem::silhouette(Detail) const
{
    QPainterPath path;
    path.addEllipse(QPointF(), 50, 50);
    return path;
}

void CoinEmblem::paintRim(QPainter &painter, Detail detail)
{
    painter.setPen(outlinePen(outlineColour, detail));
    painter.setBrush(rimColour);
    painter.drawEllipse(QPointF(), 49.5, 49.5);
    painter.setBrush(faceColour);
    painter.drawEllipse(QPointF(), 41, 41);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(lineColour, 1.6));
    painter.drawEllipse(QPointF(), 36.5, 36.5);
    if (detail != Detail::Showpiece)
        return;
    // The ace's rim carries a ring of beads and a second fine line.
    painter.drawEllipse(QPointF(), 33.5, 33.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(beadColour);
    for (int i = 0; i < 30; ++i) {
        const qreal a = qDegreesToRadians(i * 12.0);
        painter.drawEllipse(QPointF(45.2 * qCos(a), 45.2 * qSin(a)), 1.9, 1.9);
    }
}

void CoinEmblem::paintSun(QPainter &painter, Detail detail)
{
    const bool rich = detail == Detail::Showpiece;
    painter.setPen(Qt::NoPen);
    painter.setBrush(rayColour);
    painter.drawPath(rich ? rays(16, 11, 31, 24) : rays(12, 11, 31, 23));

    painter.setPen(outlinePen(outlineColour.lighter(120), detail));
    painter.setBrush(heartColour);
    painter.drawEllipse(QPointF(), 12.5, 12.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(faceColour);
    painter.drawEllipse(QPointF(), rich ? 8.0 : 5.5, rich ? 8.0 : 5.5);
    if (rich) {
        painter.setBrush(heartColour);
        painter.drawEllipse(QPointF(), 4, 4);
    }
}

// Pointed rays round the centre, long and short in turn.
QPainterPath CoinEmblem::rays(int count, qreal inner, qreal longTip, qreal shortTip)
{
    QPainterPath path;
    const qreal step = 360.0 / count;
    for (int i = 0; i < count; ++i) {
        const qreal mid = qDegreesToRadians(i * step - 90);
        const qreal half = qDegreesToRadians(step * 0.55);
        const qreal tip = (i % 2 == 0) ? longTip : shortTip;
        QPolygonF ray;
        ray << QPointF(inner * qCos(mid - half), inner * qSin(mid - half))
            << QPointF(tip * qCos(mid), tip * qSin(mid))
            << QPointF(inner * qCos(mid + half), inner * qSin(mid + half));
        path.addPolygon(ray);
        path.closeSubpath();
    }
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}
