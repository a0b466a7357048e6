// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palo.h"
#include "ranksignpainter.h"

#include <QPainterPath>
#include <QRectF>

class EmblemPainter;
class QColor;
class QPainter;

// The traditional figures 10, 11 and 12, which carry no word: an arched panel with a gold
// border and columns, the suit's emblem large in the middle and the rank's sign both above
// and, turned round, below it, so the figure reads the same either way up.
class TraditionalFigurePainter
{
public:
    explicit TraditionalFigurePainter(const EmblemPainter &emblems);

    void paint(QPainter &painter, Palo palo, int numero) const;
    static constexpr QRectF panel { 22, 54, 196, 255 };

private:
    static constexpr qreal signOffset = 34;

    static void paintPanel(QPainter &painter, Palo palo);
    static QPainterPath arch(const QRectF &area);
    static void paintColumns(QPainter &painter, const QColor &ink);
    void paintSigns(QPainter &painter, int numero) const;
    void paintEmblem(QPainter &painter, Palo palo) const;

    const EmblemPainter &m_emblems;
    RankSignPainter m_signs;
};
