#include "ranksignpainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

void RankSignPainter::paint(QPainter &painter, int numero, const QPointF &centre) const
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    if (numero == 11)
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

    painter.setPen(Qt::NoPen);
    painter.setBrush(steelOutline);
    for (qreal degrees : { 190.0, 230.0, 270.0, 310.0, 350.0 }) {
        const qreal a = qDegreesToRadians(degrees);
        painter.drawEllipse(QPointF(15 * qCos(a), 2 - 15 * qSin(a)), 1.7, 1.7);
    }
}
