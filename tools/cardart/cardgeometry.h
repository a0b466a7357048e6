// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

// Where things sit on a card, in pixels of the 240 x 363 picture. The board shows it at
// 80 x 121, a third of this, so anything that must stay visible there (frame breaks,
// corner numbers) is drawn at least three pixels wide here.
class CardGeometry
{
public:
    static constexpr QSize size { 240, 363 };
    static constexpr QPointF centre { 120, 181.5 };
    static constexpr qreal cornerRadius = 14;
    static constexpr qreal outlineWidth = 1.6;

    // Centre line of la pinta, the frame line running round the face.
    static constexpr QRectF frame { 10, 10, 220, 343 };
    static constexpr qreal frameWidth = 2.2;
    static constexpr qreal frameRadius = 6;
    // Breaks of the frame line: they start this far below the frame's top corner (and as far
    // above its bottom one), each gap followed by a short dash.
    static constexpr qreal firstBreak = 50;
    static constexpr qreal breakLength = 8;
    static constexpr qreal dashLength = 7;

    // Everything drawn inside the frame stays in here, clear of the line.
    static constexpr QRectF clearArea { 16, 16, 208, 331 };
    // The number in the top-left corner; the bottom-right one is the same turned round.
    static constexpr QRectF numberBox { 17, 18, 36, 29 };
    static constexpr QRectF numberBoxBelow { size.width() - 17 - 36, size.height() - 18 - 29, 36,
                                             29 };
};
