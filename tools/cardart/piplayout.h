// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palo.h"
#include "pip.h"

#include <QList>

// Where the emblems of the cards 1 to 7 stand. Coins and cups stand upright in the classic
// rows; swords and clubs are long, so they are slanted or crossed to fit.
class PipLayout
{
public:
    QList<Pip> pips(Palo palo, int numero) const;

private:
    static void addSingle(QList<Pip> &list, qreal y, qreal size, qreal angle = 0);
    static void addPair(QList<Pip> &list, qreal dx, qreal y, qreal size, qreal angle = 0);
    static QList<Pip> roundPips(int numero);
    static QList<Pip> longPips(Palo palo, int numero);
};
