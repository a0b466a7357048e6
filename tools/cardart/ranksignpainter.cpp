// SPDX-License-Identifier: GPL-3.0-or-later

#include "ranksignpainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

void RankSignPainter::paint(QPainter &painter, int numero, const QPointF &centre) const
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    if (numero == 10)
        paintCap(painter);
    else if (numero == 11)
        paintHorseshoe(painter);
    else if (numero == 12)
        paintCrown(painter);
    painter.restore();
}

void RankSignPainter::paintCrown(QPainter &painter)
{
    QPolygonF body;
    body << QPointF(-24, 12) << QPointF(-27, -10) << QPointF(-13, 1) << QPointF(0, -16)
         << QPointF(13, 1) << QPointF(27, -10) << QPointF(24, 12);
    painter.setPen(QPen(goldOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(goldColour);
    painter.drawPolygon(body);
    painter.drawRoundedRect(QRectF(-25.5, 10, 51, 8), 2, 2);
    for (const QPointF &tip : { QPointF(-27, -10), QPointF(0, -16), QPointF(27, -10) })
        painter.drawEllipse(tip, 3.6, 3.6);

    // A light edge along the top of the band and a row of pearls below the points.
    painter.setPen(QPen(goldColour.lighter(135), 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-23, 11.6), QPointF(23, 11.6));
    painter.setPen(QPen(goldOutline, 0.6));
    painter.setBrush(QColor(0xFB, 0xF4, 0xE2));
    for (int i = -4; i <= 4; ++i)
        painter.drawEllipse(QPointF(i * 5.2, 6.5 - std::abs(i) * 0.5), 1.3, 1.3);
    painter.setPen(QPen(goldOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(rubyColour);
    painter.drawEllipse(QPointF(0, 14), 3.2, 2.6);
    painter.setBrush(sapphireColour);
    painter.drawEllipse(QPointF(-14, 14), 2.6, 2.2);
    painter.drawEllipse(QPointF(14, 14), 2.6, 2.2);
    painter.setBrush(rubyColour);
    painter.drawEllipse(QPointF(0, 1), 3, 4);
}

void RankSignPainter::paintHorseshoe(QPainter &painter)
{
    // A thick U, open at the top, with its nail holes.
    QPainterPath shoe;
    shoe.arcMoveTo(QRectF(-19, -17, 38, 38), 160);
    shoe.arcTo(QRectF(-19, -17, 38, 38), 160, 220);
    shoe.arcTo(QRectF(-11, -9, 22, 22), 20, -220);
    shoe.closeSubpath();
    painter.setPen(QPen(steelOutline, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(steelColour);
    painter.drawPath(shoe);

    // The groove the nails sit in, and a glint on the upper edge.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(steelOutline, 0.8));
    painter.drawArc(QRectF(-15, -13, 30, 30), 160 * 16, 220 * 16);
    painter.setPen(QPen(steelColour.lighter(150), 1.1, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(-17.5, -15.5, 35, 35), 185 * 16, 60 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(steelOutline);
    for (qreal degrees : { 190.0, 230.0, 270.0, 310.0, 350.0 }) {
        const qreal a = qDegreesToRadians(degrees);
        painter.drawEllipse(QPointF(15 * qCos(a), 2 - 15 * qSin(a)), 1.7, 1.7);
    }
}

void RankSignPainter::paintCap(QPainter &painter)
{
    // A page's soft cap with a band and a feather swept back over it.
    QPainterPath plume;
    plume.moveTo(-4, -4);
    plume.cubicTo(4, -22, 22, -20, 28, -10);
    plume.cubicTo(18, -14, 8, -10, 2, -2);
    plume.closeSubpath();
    painter.setPen(QPen(steelOutline, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(plumeColour);
    painter.drawPath(plume);
    painter.setPen(QPen(steelColour, 0.7));
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(4 + i * 4.5, -10 - i * 0.6), QPointF(7 + i * 4.5, -15 - i * 0.4));

    QPainterPath crownOfCap;
    crownOfCap.moveTo(-22, 8);
    crownOfCap.cubicTo(-22, -12, 22, -12, 22, 8);
    crownOfCap.closeSubpath();
    painter.setPen(QPen(steelOutline, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(capColour);
    painter.drawPath(crownOfCap);
    painter.setBrush(goldColour);
    painter.setPen(QPen(goldOutline, 1.2));
    painter.drawRoundedRect(QRectF(-25, 6, 50, 7), 3, 3);
    painter.setBrush(rubyColour);
    painter.drawEllipse(QPointF(0, 9.5), 2.4, 2.4);
}
