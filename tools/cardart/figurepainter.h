// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palo.h"
#include "ranksignpainter.h"

#include <QRectF>

class EmblemPainter;
class QPainter;
class QString;

// The figure cards 10, 11 and 12: a framed panel with the suit's emblem large inside, the
// figure's name on a ribbon under it and the rank's sign above it.
class FigurePainter
{
public:
    explicit FigurePainter(const EmblemPainter &emblems);

    void paint(QPainter &painter, Palo palo, int numero, const QString &word) const;
    // The panel's edge, clear of the frame and the corner numbers.
    static constexpr QRectF panel { 22, 54, 196, 255 };

private:
    static constexpr qreal emblemCentreY = 178;

    static void paintPanel(QPainter &painter, Palo palo);
    static void paintCorners(QPainter &painter, const QColor &ink, const QRectF &inner);
    static void paintDiaper(QPainter &painter, Palo palo, const QRectF &area);
    void paintEmblem(QPainter &painter, Palo palo) const;
    static void paintRibbon(QPainter &painter, Palo palo, const QString &word);

    const EmblemPainter &m_emblems;
    RankSignPainter m_signs;
};
