// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRect>

// Where a card enlarged for a pause goes: it keeps covering its own place and
// grows right and down when there is room, otherwise toward the free side, so
// it stays on the board and clear of the labels, the scores and the turn sign.
class LugarResalte
{
public:
    // The enlarged rectangle (of the given size) for the card at carta, all in pixels.
    static QRect elegir(const QRect &carta, QSize grande, const QRect &tablero,
                        const QList<QRect> &libres);

private:
    static qint64 estorbo(const QRect &r, const QRect &carta, const QRect &tablero,
                          const QList<QRect> &libres);
};
