// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>

// One emblem on a face: its centre on the card, its height (the diameter of a coin, the
// length of a sword) and its slant in degrees, clockwise from upright.
struct Pip
{
    QPointF centre;
    qreal size = 0;
    qreal angle = 0;
};
