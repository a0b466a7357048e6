// SPDX-License-Identifier: GPL-3.0-or-later

#include "clubemblem.h"

#include <QPainter>
#include <QTransform>

void ClubEmblem::paint(QPainter &painter, Detail detail) const
{
    painter.save();
    for (const Branch &branch : leaves(detail))
        paintLeaf(painter, branch, detail);
    for (const Branch &branch : stubs(detail))
        paintStub(painter, branch, detail);
    paintTrunk(painter, detail);
    painter.restore();
}

QPainterPath ClubEmblem::silhouette(Detail detail) const
{
    QPainterPath path = trunk();
    for (const Branch &branch : stubs(detail))
        path.addPath(stub(branch));
    for (const Branch &branch : leaves(detail))
        path.addPath(leaf(branch));
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

// A thick rounded head tapering to a slim handle, with a slight bend.
QPainterPath ClubEmblem::trunk()
{
    QPainterPath path;
    path.moveTo(-11.5, -36);
    path.cubicTo(-11.5, -12, -6.5, 20, -5.5, 43);
    path.quadTo(0, 50, 5.5, 43);
    path.cubicTo(6.5, 20, 12, -12, 11.5, -36);
    path.cubicTo(11.5, -51, -11.5, -51, -11.5, -36);
    path.closeSubpath();
    return path;
}

QList<ClubEmblem::Branch> ClubEmblem::stubs(Detail detail)
{
    QList<Branch> list { { QPointF(-10, -24), -55 },
                         { QPointF(8.5, -4), 55 },
                         { QPointF(-6.5, 18), -55 } };
    if (detail == Detail::Showpiece)
        list << Branch { QPointF(10.5, -34), 50 } << Branch { QPointF(5.5, 30), 55 };
    return list;
}

// Leaves sprouting beside a cut branch: what makes the club read as green wood.
QList<ClubEmblem::Branch> ClubEmblem::leaves(Detail detail)
{
    QList<Branch> list { { QPointF(-11, -29), -20 } };
    if (detail == Detail::Showpiece)
        list << Branch { QPointF(11, -39), 25 } << Branch { QPointF(7, 4), 105 };
    return list;
}

QPainterPath ClubEmblem::turned(const QPainterPath &path, const QPointF &base, qreal angle)
{
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angle);
    return t.map(path);
}

QPainterPath ClubEmblem::stub(const Branch &branch)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(-4, -10, 8, 12), 2, 2);
    return turned(path, branch.base, branch.angle);
}

QPainterPath ClubEmblem::leaf(const Branch &branch)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(5.5, -6, 0, -13);
    path.quadTo(-5.5, -6, 0, 0);
    return turned(path, branch.base, branch.angle);
}

void ClubEmblem::paintStub(QPainter &painter, const Branch &branch, Detail detail)
{
    painter.setPen(outlinePen(woodOutline, detail));
    painter.setBrush(woodShade);
    painter.drawPath(stub(branch));
    // The cut end shows bare, pale wood.
    QPainterPath cut;
    cut.addEllipse(QPointF(0, -9.5), 4, 2.4);
    painter.setBrush(cutColour);
    painter.drawPath(turned(cut, branch.base, branch.angle));
}

void ClubEmblem::paintLeaf(QPainter &painter, const Branch &branch, Detail detail)
{
    painter.setPen(outlinePen(leafOutline, detail));
    painter.setBrush(leafColour);
    painter.drawPath(leaf(branch));
    QPainterPath vein;
    vein.moveTo(0, -1);
    vein.lineTo(0, -10);
    painter.setPen(QPen(leafShade, 1.2));
    painter.drawPath(turned(vein, branch.base, branch.angle));
}

void ClubEmblem::paintTrunk(QPainter &painter, Detail detail)
{
    const QPainterPath shape = trunk();
    painter.setPen(Qt::NoPen);
    painter.setBrush(woodColour);
    painter.drawPath(shape);
    painter.setBrush(woodShade);
    painter.drawPath(shape.subtracted(shape.translated(-5, 0)));
    painter.setBrush(woodLight);
    painter.drawPath(shape.subtracted(shape.translated(3.5, 0)));

    // Grain and a knot hole.
    painter.setPen(
        QPen(woodShade, detail == Detail::Showpiece ? 1.5 : 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-6, -33, 10, 22), 100 * 16, 90 * 16);
    painter.drawArc(QRectF(-2, -4, 8, 20), -80 * 16, 90 * 16);
    painter.drawEllipse(QPointF(-1, 25), 2, 3);

    painter.setPen(outlinePen(woodOutline, detail));
    painter.setBrush(leafShade);
    painter.drawRoundedRect(QRectF(-6.2, 33, 12.4, 4.5), 1.5, 1.5);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}
