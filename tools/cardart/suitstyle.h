// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palo.h"

#include <QColor>
#include <QString>

#include <array>

// Name, colours and frame breaks of each suit.
class SuitStyle
{
public:
    static constexpr std::array<Palo, 4> all { Palo::Oros, Palo::Copas, Palo::Espadas,
                                               Palo::Bastos };

    // File name stem, as the card database spells it ("oros", "copas" ...).
    static QString name(Palo palo);
    // Colour of the corner numbers and the frame line: dark enough to read on the cream face.
    static QColor ink(Palo palo);
    // Pale wash behind the figure cards.
    static QColor tint(Palo palo);
    // Breaks in the frame line near each corner: none for oros up to three for bastos.
    static int frameBreaks(Palo palo);
};
