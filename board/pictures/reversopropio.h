// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>

class QPainter;

// The card back the game draws by itself: what the covers over the CPU's hand
// show when no back picture could be loaded, so that its cards never show.
class ReversoPropio
{
public:
    static void pintar(QPainter &pintor, const QRectF &area);
};
