// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;

// The bare card: a cream face with rounded corners and a thin dark outline. Faces and the
// back are drawn on it.
class CardBlank
{
public:
    static constexpr QColor faceColour { 0xFF, 0xFC, 0xF4 };
    static constexpr QColor outlineColour { 0x2C, 0x28, 0x24 };

    static QPainterPath shape();
    static void paint(QPainter &painter, const QColor &face = faceColour);
};
