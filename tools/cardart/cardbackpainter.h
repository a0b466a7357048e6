// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardstyles.h"

#include <QColor>
#include <QRectF>

class QPainter;

// A card back: a symmetric lattice and medallion in one dark colour on a pale panel of the
// same hue, inside a white margin. It looks the same for every card and either way up. The
// claret one is the game's default back.
class CardBackPainter
{
public:
    void paint(QPainter &painter, BackStyle style = BackStyle::Claret) const;

private:
    struct Colours
    {
        QColor dark;
        QColor light;
    };
    static constexpr QRectF panel { 12, 12, 216, 339 };

    static Colours colours(BackStyle style);
    static void paintPanel(QPainter &painter, const Colours &ink);
    static void paintLattice(QPainter &painter, const Colours &ink);
    static void paintMedallion(QPainter &painter, const Colours &ink);
};
