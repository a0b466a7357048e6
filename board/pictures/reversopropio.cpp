// SPDX-License-Identifier: GPL-3.0-or-later

#include "reversopropio.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kOscuro(0x8A, 0x1C, 0x2B);
const QColor kClaro(0xF6, 0xE9, 0xE4);

// A lattice of diagonals with a dot in every other diamond, as the drawn back.
void pintarReticula(QPainter &pintor, const QRectF &campo)
{
    const qreal paso = std::max(4.0, campo.width() / 10.0);
    pintor.save();
    pintor.setClipRect(campo);
    pintor.setPen(QPen(kOscuro, std::max(1.0, paso / 12.0)));
    const QPointF c = campo.center();
    const qreal largo = campo.width() + campo.height();
    for (qreal d = -largo; d <= largo; d += paso) {
        pintor.drawLine(QPointF(c.x() + d - largo, c.y() - largo),
                        QPointF(c.x() + d + largo, c.y() + largo));
        pintor.drawLine(QPointF(c.x() + d + largo, c.y() - largo),
                        QPointF(c.x() + d - largo, c.y() + largo));
    }
    pintor.restore();
}
} // namespace

void ReversoPropio::pintar(QPainter &pintor, const QRectF &area)
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    const qreal margen = area.width() * 0.07;
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Qt::white);
    pintor.drawRect(area);
    const QRectF panel = area.adjusted(margen, margen, -margen, -margen);
    pintor.setBrush(kClaro);
    pintor.drawRect(panel);
    pintarReticula(pintor, panel);
    pintor.setPen(QPen(kOscuro, std::max(1.0, area.width() / 60.0)));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRoundedRect(panel, margen / 2, margen / 2);
    // The medallion in the middle, the same whichever way up.
    const QPointF c = area.center();
    const qreal rx = panel.width() * 0.26;
    const qreal ry = panel.height() * 0.2;
    pintor.setBrush(kClaro);
    pintor.drawEllipse(c, rx, ry);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(kOscuro);
    pintor.drawEllipse(c, rx * 0.45, ry * 0.45);
    pintor.restore();
}
