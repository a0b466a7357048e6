// SPDX-License-Identifier: GPL-3.0-or-later

#include "figurepainter.h"

#include "arttext.h"
#include "emblempainter.h"
#include "suitstyle.h"

#include <QPainter>

FigurePainter::FigurePainter(const EmblemPainter &emblems)
    : m_emblems(emblems)
{
}

void FigurePainter::paint(QPainter &painter, Palo palo, int numero, const QString &word) const
{
    painter.save();
    paintPanel(painter, palo);
    m_signs.paint(painter, numero, QPointF(panel.center().x(), panel.top() + 31));
    paintEmblem(painter, palo);
    paintRibbon(painter, palo, word);
    painter.restore();
}

void FigurePainter::paintPanel(QPainter &painter, Palo palo)
{
    const QColor ink = SuitStyle::ink(palo);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(SuitStyle::tint(palo));
    painter.drawRoundedRect(panel, 6, 6);
    const QRectF inner = panel.adjusted(4, 4, -4, -4);
    paintDiaper(painter, palo, inner);
    painter.setPen(QPen(ink, 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, 3.5, 3.5);
    paintCorners(painter, ink, inner);
    // A pale halo behind the emblem lifts it off the tinted panel.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(QPointF(panel.center().x(), emblemCentreY), 68, 68);
}

// A small diamond in each corner of the inner frame, as on a carved panel.
void FigurePainter::paintCorners(QPainter &painter, const QColor &ink, const QRectF &inner)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const QRectF at = inner.adjusted(7, 7, -7, -7);
    for (const QPointF &c : { at.topLeft(), at.topRight(), at.bottomLeft(), at.bottomRight() }) {
        QPolygonF diamond;
        diamond << c + QPointF(0, -3.2) << c + QPointF(3.2, 0) << c + QPointF(0, 3.2)
                << c + QPointF(-3.2, 0);
        painter.drawPolygon(diamond);
    }
    painter.restore();
}

// A faint diamond pattern, as on a tapestry behind the figure.
void FigurePainter::paintDiaper(QPainter &painter, Palo palo, const QRectF &area)
{
    constexpr qreal step = 14;
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(SuitStyle::tint(palo).darker(108), 1));
    const QPointF c = area.center();
    for (qreal d = -area.height(); d <= area.height(); d += step) {
        painter.drawLine(QPointF(c.x() - area.height(), c.y() + d - area.height()),
                         QPointF(c.x() + area.height(), c.y() + d + area.height()));
        painter.drawLine(QPointF(c.x() - area.height(), c.y() + d + area.height()),
                         QPointF(c.x() + area.height(), c.y() + d - area.height()));
    }
    painter.restore();
}

void FigurePainter::paintEmblem(QPainter &painter, Palo palo) const
{
    const QPointF centre(panel.center().x(), emblemCentreY);
    // Swords and clubs are held slanted, as a figure holds them.
    const bool isLong = palo == Palo::Espadas || palo == Palo::Bastos;
    const Pip pip = isLong ? Pip { centre, 164, 32 } : Pip { centre, 130 };
    m_emblems.paint(painter, palo, pip, SuitEmblem::Detail::Showpiece);
}

void FigurePainter::paintRibbon(QPainter &painter, Palo palo, const QString &text)
{
    const QRectF band(panel.left() + 14, 256, panel.width() - 28, 32);
    // Swallow-tail ends make it read as a ribbon rather than a button.
    QPolygonF ribbon;
    ribbon << band.topLeft() << band.topRight() << QPointF(band.right() - 8, band.center().y())
           << band.bottomRight() << band.bottomLeft()
           << QPointF(band.left() + 8, band.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitStyle::ink(palo));
    painter.drawPolygon(ribbon);
    painter.setBrush(Qt::white);
    painter.drawPath(ArtText::centred(text, band.adjusted(16, 0, -16, 0), 21));
}
