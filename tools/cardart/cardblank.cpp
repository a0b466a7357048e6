// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardblank.h"

#include "cardgeometry.h"

#include <QPainter>

QPainterPath CardBlank::shape()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(), CardGeometry::size), CardGeometry::cornerRadius,
                        CardGeometry::cornerRadius);
    return path;
}

void CardBlank::paint(QPainter &painter, const QColor &face)
{
    // The outline sits wholly inside the picture so no edge pixel is cut in half.
    const qreal inset = CardGeometry::outlineWidth / 2;
    const QRectF edge
        = QRectF(QPointF(), CardGeometry::size).adjusted(inset, inset, -inset, -inset);
    painter.save();
    painter.setPen(QPen(outlineColour, CardGeometry::outlineWidth));
    painter.setBrush(face);
    painter.drawRoundedRect(edge, CardGeometry::cornerRadius - inset,
                            CardGeometry::cornerRadius - inset);
    painter.restore();
}
