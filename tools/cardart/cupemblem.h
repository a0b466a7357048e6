// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "suitemblem.h"

// Copas: a goblet, a wide red bowl with gold bands on a gold stem and foot.
class CupEmblem : public SuitEmblem
{
public:
    void paint(QPainter &painter, Detail detail) const override;
    QPainterPath silhouette(Detail detail) const override;

private:
    static constexpr QColor bowlColour { 0xD3, 0x2F, 0x2F };
    static constexpr QColor bowlShade { 0xA9, 0x1E, 0x22 };
    static constexpr QColor bowlInside { 0x6E, 0x12, 0x14 };
    static constexpr QColor redOutline { 0x55, 0x0E, 0x10 };
    static constexpr QColor goldColour { 0xF3, 0xB8, 0x1A };
    static constexpr QColor goldShade { 0xCC, 0x8A, 0x06 };
    static constexpr QColor goldOutline { 0x74, 0x4C, 0x05 };
    static constexpr QColor jewelColour { 0x1F, 0x5F, 0xB8 };

    static QPainterPath bowl();
    static QPainterPath foot();
    static void paintBowl(QPainter &painter, Detail detail);
    static void paintBands(QPainter &painter, Detail detail);
    static void paintStem(QPainter &painter, Detail detail);
};
