// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPen>

class QPainter;

// One suit's emblem, drawn centred on the origin, 100 units tall and upright; the caller
// places, turns and scales it.
class SuitEmblem
{
public:
    enum class Detail { Pip, Showpiece };

    SuitEmblem() = default;
    SuitEmblem(const SuitEmblem &) = delete;
    SuitEmblem &operator=(const SuitEmblem &) = delete;
    virtual ~SuitEmblem() = default;

    virtual void paint(QPainter &painter, Detail detail) const = 0;
    // The emblem's outer shape, used to keep it clear of the frame and the corner numbers.
    virtual QPainterPath silhouette(Detail detail) const = 0;

protected:
    // Outlines keep the same width in pixels whatever the emblem's size, so small pips
    // do not turn into dark smudges and the aces do not look hairline.
    static QPen outlinePen(const QColor &colour, Detail detail);
};
