// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "suitemblem.h"

// Oros: a gold coin with a rim and a sun in the middle.
class CoinEmblem : public SuitEmblem
{
public:
    void paint(QPainter &painter, Detail detail) const override;
    QPainterPath silhouette(Detail detail) const override;

private:
    static constexpr QColor outlineColour { 0x6B, 0x3F, 0x05 };
    static constexpr QColor rimColour { 0xE0, 0x96, 0x14 };
    static constexpr QColor faceColour { 0xF8, 0xC8, 0x3C };
    static constexpr QColor lineColour { 0xD0, 0x84, 0x10 };
    static constexpr QColor rayColour { 0xE8, 0x6A, 0x17 };
    static constexpr QColor heartColour { 0xC8, 0x32, 0x1C };
    static constexpr QColor beadColour { 0xFF, 0xE9, 0x9A };

    static void paintRim(QPainter &painter, Detail detail);
    static void paintSun(QPainter &painter, Detail detail);
    static QPainterPath rays(int count, qreal inner, qreal longTip, qreal shortTip);
};
