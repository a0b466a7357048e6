// SPDX-License-Identifier: GPL-3.0-or-later

#include "iconpainter.h"

#include "cardblank.h"
#include "cardfacepainter.h"
#include "cardgeometry.h"
#include "emblempainter.h"

#include <QPainter>

IconPainter::IconPainter(const CardFacePainter &faces, const EmblemPainter &emblems)
    : m_faces(faces)
    , m_emblems(emblems)
{
}

void IconPainter::paintNuevo(QPainter &painter) const
{
    paintMiniCard(painter, QPointF(16, 22), -16, Palo::Copas);
    paintMiniCard(painter, QPointF(27, 21), 10, Palo::Oros);

    painter.setPen(QPen(Qt::white, 1.8));
    painter.setBrush(QColor(0x2E, 0x9D, 0x4F));
    painter.drawEllipse(QPointF(36, 36), 10, 10);
    painter.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(36, 31), QPointF(36, 41));
    painter.drawLine(QPointF(31, 36), QPointF(41, 36));
}

void IconPainter::paintRun(QPainter &painter)
{
    paintRoundButton(painter, QColor(0x2F, 0x6F, 0xD6));
    QPolygonF play;
    play << QPointF(19, 14) << QPointF(35, 24) << QPointF(19, 34);
    painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(play);
}

void IconPainter::paintSalir(QPainter &painter)
{
    paintRoundButton(painter, QColor(0xD6, 0x3A, 0x30));
    painter.setPen(QPen(Qt::white, 3.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    // The power sign: a ring open at the top with a bar through the gap.
    painter.drawArc(QRectF(14, 15, 20, 20), 125 * 16, 290 * 16);
    painter.drawLine(QPointF(24, 12), QPointF(24, 24));
}

QImage IconPainter::program(int size) const
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);
    paintProgram(painter);
    return image;
}

void IconPainter::paintProgram(QPainter &painter) const
{
    paintFace(painter, QPointF(17.5, 23.5), -12, Palo::Espadas);
    paintFace(painter, QPointF(30.5, 24.5), 10, Palo::Oros);
}

void IconPainter::paintRoundButton(QPainter &painter, const QColor &colour)
{
    painter.setPen(QPen(colour.darker(135), 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(24, 24), 21, 21);
}

// A small plain card with one emblem, for the toolbar where a whole face would be mush.
void IconPainter::paintMiniCard(QPainter &painter, const QPointF &centre, qreal angle,
                                Palo palo) const
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(QPen(outlineColour, 1.5));
    painter.setBrush(CardBlank::faceColour);
    painter.drawRoundedRect(QRectF(-11.5, -16.5, 23, 33), 3, 3);
    const qreal emblemSize = palo == Palo::Copas ? 17 : 15;
    m_emblems.paint(painter, palo, Pip { QPointF(), emblemSize }, SuitEmblem::Detail::Pip);
    painter.restore();
}

// A real card face, scaled down, with a soft shadow.
void IconPainter::paintFace(QPainter &painter, const QPointF &centre, qreal angle, Palo palo) const
{
    constexpr qreal scale = 36.0 / CardGeometry::size.height();
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.scale(scale, scale);
    painter.translate(-CardGeometry::centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(CardBlank::shape().translated(6, 9));
    m_faces.paint(painter, palo, 1);
    painter.restore();
}
