// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// The default card back: a symmetric lattice and medallion in dark red on a pale rose
// panel, inside a white margin. It looks the same for every card and either way up.
class CardBackPainter
{
public:
    void paint(QPainter &painter) const;

private:
    static constexpr QColor darkColour { 0x8C, 0x1A, 0x24 };
    static constexpr QColor lightColour { 0xF6, 0xE2, 0xDF };
    static constexpr QRectF panel { 12, 12, 216, 339 };

    static void paintPanel(QPainter &painter);
    static void paintLattice(QPainter &painter);
    static void paintMedallion(QPainter &painter);
};
