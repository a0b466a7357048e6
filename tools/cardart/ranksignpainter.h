// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

// The small sign above a figure: a plumed cap for the Sota, a horseshoe for the Caballo, a
// crown for the Rey, drawn about 72 x 46 pixels around the given centre.
class RankSignPainter
{
public:
    void paint(QPainter &painter, int numero, const QPointF &centre) const;

private:
    // The signs are designed on a 60 x 38 unit box.
    static constexpr qreal scale = 1.2;
    static constexpr QColor goldColour { 0xF3, 0xB8, 0x1A };
    static constexpr QColor goldOutline { 0x74, 0x4C, 0x05 };
    static constexpr QColor steelColour { 0x7C, 0x86, 0x94 };
    static constexpr QColor steelOutline { 0x2A, 0x30, 0x3A };
    static constexpr QColor rubyColour { 0xC8, 0x1E, 0x2A };
    static constexpr QColor sapphireColour { 0x1F, 0x5F, 0xB8 };

    static constexpr QColor capColour { 0x3B, 0x3F, 0x8C };
    static constexpr QColor plumeColour { 0xE8, 0xE4, 0xD8 };

    static void paintCap(QPainter &painter);
    static void paintCrown(QPainter &painter);
    static void paintHorseshoe(QPainter &painter);
};
