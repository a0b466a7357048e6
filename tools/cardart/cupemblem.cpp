// SPDX-License-Identifier: GPL-3.0-or-later

#include "cupemblem.h"

#include <QPainter>

void CupEmblem::paint(QPainter &painter, Detail detail) const
{
    painter.save();
    paintStem(painter, detail);
    paintBowl(painter, detail);
    painter.restore();
}

QPainterPath CupEmblem::silhouette(Detail) const
{
    QPainterPath path = bowl();
    path.addRect(QRectF(-10, -8, 20, 40));
    path.addPath(foot());
    path.addEllipse(QRectF(-35, -50, 70, 12));
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

// The bowl, from the lip at the top down to its rounded bottom.
QPainterPath CupEmblem::bowl()
{
    QPainterPath path;
    path.moveTo(-35, -44);
    path.cubicTo(-35, -20, -22, -7, 0, -6);
    path.cubicTo(22, -7, 35, -20, 35, -44);
    path.arcTo(QRectF(-35, -50, 70, 12), 0, 180);
    path.closeSubpath();
    return path;
}

QPainterPath CupEmblem::foot()
{
    QPainterPath path;
    path.moveTo(-4.5, 26);
    path.cubicTo(-6, 36, -22, 39, -27, 44);
    path.arcTo(QRectF(-27, 39.5, 54, 10), 180, 180);
    path.cubicTo(22, 39, 6, 36, 4.5, 26);
    path.closeSubpath();
    return path;
}

void CupEmblem::paintBowl(QPainter &painter, Detail detail)
{
    const QPainterPath shape = bowl();
    painter.setPen(Qt::NoPen);
    painter.setBrush(bowlColour);
    painter.drawPath(shape);
    // A darker crescent down the right side gives the bowl its roundness.
    painter.setBrush(bowlShade);
    painter.drawPath(shape.subtracted(shape.translated(-7, -2)));
    paintBands(painter, detail);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlinePen(redOutline, detail));
    painter.drawPath(shape);

    // The lip: a gold ring round the dark inside of the cup.
    painter.setPen(outlinePen(goldOutline, detail));
    painter.setBrush(goldColour);
    painter.drawEllipse(QRectF(-35, -50, 70, 12));
    painter.setBrush(bowlInside);
    painter.drawEllipse(QRectF(-30, -47.5, 60, 7));
}

void CupEmblem::paintBands(QPainter &painter, Detail detail)
{
    painter.save();
    painter.setClipPath(bowl());
    painter.setPen(outlinePen(goldOutline, detail));
    painter.setBrush(goldColour);
    painter.drawRect(QRectF(-40, -35, 80, 6));
    if (detail == Detail::Showpiece) {
        painter.drawRect(QRectF(-40, -19, 80, 3.5));
        painter.setBrush(jewelColour);
        for (qreal x : { -22.0, 0.0, 22.0 })
            painter.drawEllipse(QPointF(x, -26), 3.4, 3.4);
        painter.setBrush(goldColour);
        for (qreal x : { -11.0, 11.0 })
            painter.drawEllipse(QPointF(x, -26), 2.2, 2.2);
    }
    painter.restore();
}

void CupEmblem::paintStem(QPainter &painter, Detail detail)
{
    painter.setPen(outlinePen(goldOutline, detail));
    painter.setBrush(goldShade);
    painter.drawPath(foot());
    painter.setBrush(goldColour);
    painter.drawRect(QRectF(-3.8, -8, 7.6, 36));
    painter.drawRoundedRect(QRectF(-10, -9, 20, 6), 2.5, 2.5);
    painter.drawEllipse(QPointF(0, 12), 9, 5.5);
    if (detail == Detail::Showpiece) {
        painter.setBrush(jewelColour);
        painter.drawEllipse(QPointF(0, 12), 3, 2.4);
    }
    painter.setBrush(goldColour);
    painter.drawRoundedRect(QRectF(-8, 25, 16, 4.5), 2, 2);
}
