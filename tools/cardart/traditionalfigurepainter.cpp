// SPDX-License-Identifier: GPL-3.0-or-later

#include "traditionalfigurepainter.h"

#include "cardgeometry.h"
#include "emblempainter.h"
#include "suitstyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr QColor kGold { 0xC8, 0x96, 0x2A };
} // namespace

TraditionalFigurePainter::TraditionalFigurePainter(const EmblemPainter &emblems)
    : m_emblems(emblems)
{
}

void TraditionalFigurePainter::paint(QPainter &painter, Palo palo, int numero) const
{
    painter.save();
    paintPanel(painter, palo);
    paintColumns(painter, SuitStyle::ink(palo));
    paintSigns(painter, numero);
    paintEmblem(painter, palo);
    painter.restore();
}

void TraditionalFigurePainter::paintPanel(QPainter &painter, Palo palo)
{
    const QColor ink = SuitStyle::ink(palo);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(SuitStyle::tint(palo));
    painter.drawRoundedRect(panel, 6, 6);
    painter.setPen(QPen(kGold, 2.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(4, 4, -4, -4), 4, 4);
    // An arch at either end, as the niche a figure stands in; both ends alike, so the card
    // has no top.
    const QRectF niche = panel.adjusted(26, 12, -26, -12);
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawPath(arch(niche));
    painter.setPen(QPen(kGold, 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arch(niche.adjusted(4, 4, -4, -4)));
}

// A field with round ends: a half circle above and below straight sides.
QPainterPath TraditionalFigurePainter::arch(const QRectF &area)
{
    const qreal r = area.width() / 2;
    QPainterPath path;
    path.moveTo(area.left(), area.top() + r);
    path.arcTo(QRectF(area.left(), area.top(), area.width(), area.width()), 180, -180);
    path.lineTo(area.right(), area.bottom() - r);
    path.arcTo(QRectF(area.left(), area.bottom() - area.width(), area.width(), area.width()), 0,
               -180);
    path.closeSubpath();
    return path;
}

// Slim columns beside the niche, with a bead at each end and in the middle.
void TraditionalFigurePainter::paintColumns(QPainter &painter, const QColor &ink)
{
    const qreal top = panel.top() + 40;
    const qreal bottom = panel.bottom() - 40;
    for (qreal x : { panel.left() + 14, panel.right() - 14 }) {
        painter.setPen(QPen(ink, 1));
        painter.setBrush(kGold);
        painter.drawRoundedRect(QRectF(x - 3, top, 6, bottom - top), 3, 3);
        painter.setBrush(ink);
        for (qreal y : { top, (top + bottom) / 2, bottom })
            painter.drawEllipse(QPointF(x, y), 4, 4);
    }
}

void TraditionalFigurePainter::paintSigns(QPainter &painter, int numero) const
{
    const QPointF above(panel.center().x(), panel.top() + signOffset);
    m_signs.paint(painter, numero, above);
    painter.save();
    painter.translate(CardGeometry::centre);
    painter.rotate(180);
    painter.translate(-CardGeometry::centre);
    m_signs.paint(painter, numero, above);
    painter.restore();
}

void TraditionalFigurePainter::paintEmblem(QPainter &painter, Palo palo) const
{
    const QPointF centre = CardGeometry::centre;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.drawEllipse(centre, 62, 62);
    const bool isLong = palo == Palo::Espadas || palo == Palo::Bastos;
    const Pip pip = isLong ? Pip { centre, 158, 32 } : Pip { centre, 124 };
    m_emblems.paint(painter, palo, pip, SuitEmblem::Detail::Showpiece);
}
