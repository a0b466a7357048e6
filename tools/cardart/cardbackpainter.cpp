// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardbackpainter.h"

#include "cardblank.h"
#include "cardgeometry.h"

#include <QPainter>
#include <QPainterPath>

void CardBackPainter::paint(QPainter &painter, BackStyle style) const
{
    const Colours ink = colours(style);
    painter.save();
    CardBlank::paint(painter);
    paintPanel(painter, ink);
    paintLattice(painter, ink);
    paintMedallion(painter, ink);
    painter.restore();
}

CardBackPainter::Colours CardBackPainter::colours(BackStyle style)
{
    switch (style) {
    case BackStyle::Claret:
        break;
    case BackStyle::Blue:
        return { QColor(0x1C, 0x34, 0x78), QColor(0xE0, 0xE7, 0xF5) };
    case BackStyle::Green:
        return { QColor(0x1B, 0x5E, 0x36), QColor(0xE0, 0xEF, 0xE2) };
    }
    return { QColor(0x8C, 0x1A, 0x24), QColor(0xF6, 0xE2, 0xDF) };
}

void CardBackPainter::paintPanel(QPainter &painter, const Colours &ink)
{
    painter.setPen(QPen(ink.dark, 2.4));
    painter.setBrush(ink.light);
    painter.drawRoundedRect(panel, 8, 8);
    painter.setPen(QPen(ink.dark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(5, 5, -5, -5), 5, 5);
}

// Diagonal lines both ways through the card's centre, with a dot in every diamond.
void CardBackPainter::paintLattice(QPainter &painter, const Colours &ink)
{
    constexpr qreal step = 17;
    const QRectF field = panel.adjusted(9, 9, -9, -9);
    const QPointF c = CardGeometry::centre;
    painter.save();
    painter.setClipRect(field);
    painter.setPen(QPen(ink.dark, 1.3));
    for (int i = -30; i <= 30; ++i) {
        const qreal shift = i * step * 2;
        painter.drawLine(QPointF(c.x() + shift - 400, c.y() - 400),
                         QPointF(c.x() + shift + 400, c.y() + 400));
        painter.drawLine(QPointF(c.x() + shift + 400, c.y() - 400),
                         QPointF(c.x() + shift - 400, c.y() + 400));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.dark);
    for (int row = -12; row <= 12; ++row) {
        for (int col = -8; col <= 8; ++col) {
            if ((row + col) % 2 != 0)
                painter.drawEllipse(QPointF(c.x() + col * step, c.y() + row * step), 2, 2);
        }
    }
    painter.restore();
}

// An oval in the middle with an eight-petal rosette.
void CardBackPainter::paintMedallion(QPainter &painter, const Colours &ink)
{
    const QPointF c = CardGeometry::centre;
    painter.setPen(QPen(ink.dark, 2.4));
    painter.setBrush(ink.light);
    painter.drawEllipse(c, 56, 78);
    painter.setPen(QPen(ink.dark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, 50, 72);

    painter.save();
    painter.translate(c);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.dark);
    for (int i = 0; i < 8; ++i) {
        painter.drawEllipse(QPointF(0, -27), 8.5, 19);
        painter.rotate(45);
    }
    painter.setBrush(ink.light);
    painter.drawEllipse(QPointF(), 11, 11);
    painter.setBrush(ink.dark);
    painter.drawEllipse(QPointF(), 5.5, 5.5);
    for (const QPointF &dot : { QPointF(0, -62), QPointF(0, 62), QPointF(-40, 0), QPointF(40, 0) })
        painter.drawEllipse(dot, 3, 3);
    painter.restore();
}
