// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardfacepainter.h"

#include "arterror.h"
#include "arttext.h"
#include "cardblank.h"
#include "cardgeometry.h"
#include "suitstyle.h"

#include <QPainter>

CardFacePainter::CardFacePainter(const EmblemPainter &emblems)
    : m_emblems(emblems)
    , m_figures(emblems)
    , m_traditional(emblems)
{
}

void CardFacePainter::paint(QPainter &painter, Palo palo, int numero, FaceStyle style) const
{
    const QList<Pip> pips = numero < 10 ? m_layout.pips(palo, numero) : QList<Pip>();
    for (const Pip &pip : pips)
        checkClear(m_emblems.outline(palo, pip, detail(numero)), palo, numero);

    painter.save();
    CardBlank::paint(painter, CardStyles::faceColour(style));
    paintFrame(painter, palo);
    paintNumbers(painter, palo, numero);
    if (numero >= 10 && style == FaceStyle::Traditional)
        m_traditional.paint(painter, palo, numero);
    else if (numero >= 10)
        m_figures.paint(painter, palo, numero, CardStyles::figureWord(style, numero));
    for (const Pip &pip : pips)
        m_emblems.paint(painter, palo, pip, detail(numero));
    painter.restore();
}

void CardFacePainter::paintFrame(QPainter &painter, Palo palo)
{
    painter.save();
    QPainterPath visible;
    visible.addRect(QRectF(QPointF(), CardGeometry::size));
    painter.setClipPath(visible.subtracted(breaks(SuitStyle::frameBreaks(palo))));
    painter.setPen(QPen(SuitStyle::ink(palo), CardGeometry::frameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(CardGeometry::frame, CardGeometry::frameRadius,
                            CardGeometry::frameRadius);
    painter.restore();
}

// The gaps cut into the frame line: the same count near each of the four corners, on the
// long sides, so a fanned hand shows them whichever corner is visible.
QPainterPath CardFacePainter::breaks(int count)
{
    const QRectF frame = CardGeometry::frame;
    const qreal reach = CardGeometry::frameWidth + 4;
    QPainterPath gaps;
    for (int i = 0; i < count; ++i) {
        const qreal offset
            = CardGeometry::firstBreak + i * (CardGeometry::breakLength + CardGeometry::dashLength);
        for (qreal x : { frame.left(), frame.right() }) {
            gaps.addRect(
                QRectF(x - reach / 2, frame.top() + offset, reach, CardGeometry::breakLength));
            gaps.addRect(QRectF(x - reach / 2, frame.bottom() - offset - CardGeometry::breakLength,
                                reach, CardGeometry::breakLength));
        }
    }
    return gaps;
}

void CardFacePainter::paintNumbers(QPainter &painter, Palo palo, int numero)
{
    const QPainterPath number = ArtText::fitted(QString::number(numero), CardGeometry::numberBox);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitStyle::ink(palo));
    painter.drawPath(number);
    // The bottom-right number is the top-left one turned round the card's centre.
    painter.translate(CardGeometry::centre);
    painter.rotate(180);
    painter.translate(-CardGeometry::centre);
    painter.drawPath(number);
    painter.restore();
}

// The ace is the suit's showpiece, drawn large and with more detail.
SuitEmblem::Detail CardFacePainter::detail(int numero)
{
    return numero == 1 ? SuitEmblem::Detail::Showpiece : SuitEmblem::Detail::Pip;
}

void CardFacePainter::checkClear(const QPainterPath &outline, Palo palo, int numero)
{
    constexpr qreal margin = 3;
    const bool inside = CardGeometry::clearArea.contains(outline.boundingRect());
    const bool onNumber
        = outline.intersects(CardGeometry::numberBox.adjusted(-margin, -margin, margin, margin))
        || outline.intersects(
            CardGeometry::numberBoxBelow.adjusted(-margin, -margin, margin, margin));
    if (!inside || onNumber) {
        throw ArtError(QStringLiteral("%1 %2: an emblem touches the frame or a corner number")
                           .arg(SuitStyle::name(palo))
                           .arg(numero)
                           .toStdString());
    }
}
