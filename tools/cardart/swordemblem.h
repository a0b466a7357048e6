// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "suitemblem.h"

// Espadas: a straight sword, point up, with a steel-blue blade and a gold hilt.
class SwordEmblem : public SuitEmblem
{
public:
    void paint(QPainter &painter, Detail detail) const override;
    QPainterPath silhouette(Detail detail) const override;

private:
    static constexpr QColor bladeLight { 0xC9, 0xDB, 0xF2 };
    static constexpr QColor bladeDark { 0x6E, 0x94, 0xCC };
    static constexpr QColor fullerColour { 0x3C, 0x62, 0x9C };
    static constexpr QColor steelOutline { 0x16, 0x26, 0x44 };
    static constexpr QColor goldColour { 0xF3, 0xB8, 0x1A };
    static constexpr QColor goldOutline { 0x74, 0x4C, 0x05 };
    static constexpr QColor gripColour { 0x8E, 0x2E, 0x1C };
    static constexpr QColor jewelColour { 0xC8, 0x1E, 0x2A };

    static qreal halfBlade(Detail detail);
    static QPainterPath blade(Detail detail);
    static QPainterPath guard(Detail detail);
    static void paintBlade(QPainter &painter, Detail detail);
    static void paintHilt(QPainter &painter, Detail detail);
};
