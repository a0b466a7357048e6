// SPDX-License-Identifier: GPL-3.0-or-later

#include "suitemblem.h"

QPen SuitEmblem::outlinePen(const QColor &colour, Detail detail)
{
    QPen pen(colour, detail == Detail::Showpiece ? 1.7 : 1.2);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}
