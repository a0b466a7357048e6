// SPDX-License-Identifier: GPL-3.0-or-later

#include "swordemblem.h"

#include <QPainter>
#include <QPainterPathStroker>

void SwordEmblem::paint(QPainter &painter, Detail detail) const
{
    painter.save();
    paintBlade(painter, detail);
    paintHilt(painter, detail);
    painter.restore();
}

QPainterPath SwordEmblem::silhouette(Detail detail) const
{
    QPainterPath path = blade(detail);
    path.addPath(guard(detail));
    path.addRect(QRectF(-3.5, 20, 7, 24));
    path.addEllipse(QPointF(0, 44.5), 5.5, 5.5);
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

qreal SwordEmblem::halfBlade(Detail detail)
{
    return detail == Detail::Showpiece ? 8.0 : 5.0;
}

QPainterPath SwordEmblem::blade(Detail detail)
{
    const qreal w = halfBlade(detail);
    QPainterPath path;
    path.moveTo(0, -50);
    path.lineTo(w, -40);
    path.lineTo(w * 0.9, 20);
    path.lineTo(-w * 0.9, 20);
    path.lineTo(-w, -40);
    path.closeSubpath();
    return path;
}

// The cross-guard: a bar with round ends; the ace's quillons curl towards the point.
QPainterPath SwordEmblem::guard(Detail detail)
{
    QPainterPath bar;
    QPainterPath ends;
    if (detail == Detail::Showpiece) {
        bar.moveTo(-19, 12);
        bar.cubicTo(-15, 22, 15, 22, 19, 12);
        ends.addEllipse(QPointF(-19, 12), 4, 4);
        ends.addEllipse(QPointF(19, 12), 4, 4);
        ends.addEllipse(QPointF(0, 20), 5, 5);
    } else {
        bar.moveTo(-15, 20.75);
        bar.lineTo(15, 20.75);
        ends.addEllipse(QPointF(-15.5, 20.75), 3.6, 3.6);
        ends.addEllipse(QPointF(15.5, 20.75), 3.6, 3.6);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(detail == Detail::Showpiece ? 5.5 : 5);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath shape = stroker.createStroke(bar).united(ends);
    shape.setFillRule(Qt::WindingFill);
    return shape.simplified();
}

void SwordEmblem::paintBlade(QPainter &painter, Detail detail)
{
    const QPainterPath shape = blade(detail);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bladeLight);
    painter.drawPath(shape);
    // The right half of the blade is in shade: a flat two-tone bevel.
    painter.setBrush(bladeDark);
    painter.drawPath(shape.intersected([] {
        QPainterPath half;
        half.addRect(QRectF(0, -60, 20, 90));
        return half;
    }()));
    painter.setPen(QPen(fullerColour, detail == Detail::Showpiece ? 1.6 : 1.2));
    painter.drawLine(QPointF(0, -40), QPointF(0, 14));
    painter.setPen(outlinePen(steelOutline, detail));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}

void SwordEmblem::paintHilt(QPainter &painter, Detail detail)
{
    painter.setPen(outlinePen(goldOutline, detail));
    painter.setBrush(gripColour);
    painter.drawRoundedRect(QRectF(-3.2, 23, 6.4, 18), 1.5, 1.5);
    painter.setPen(QPen(goldColour, 1.1));
    for (qreal y = 26; y < 40; y += 3.5)
        painter.drawLine(QPointF(-3, y + 1.5), QPointF(3, y - 0.5));

    painter.setPen(outlinePen(goldOutline, detail));
    painter.setBrush(goldColour);
    painter.drawPath(guard(detail));
    painter.drawEllipse(QPointF(0, 44.5), 5, 5);
    if (detail == Detail::Showpiece) {
        painter.setBrush(jewelColour);
        painter.drawEllipse(QPointF(0, 21.5), 2.6, 2.6);
        painter.drawEllipse(QPointF(0, 44.5), 2.2, 2.2);
    }
}
