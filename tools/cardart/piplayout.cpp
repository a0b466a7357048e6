// SPDX-License-Identifier: GPL-3.0-or-later

#include "piplayout.h"

#include "cardgeometry.h"

QList<Pip> PipLayout::pips(Palo palo, int numero) const
{
    if (palo == Palo::Espadas || palo == Palo::Bastos)
        return longPips(palo, numero);
    QList<Pip> list = roundPips(numero);
    // A cup is narrower than a coin of the same height; a little taller, both weigh the
    // same. The seven has no room to spare: the middle cup would meet its neighbours' feet.
    if (palo == Palo::Copas) {
        for (Pip &pip : list)
            pip.size *= numero == 7 ? 1.0 : 1.14;
    }
    return list;
}

// One emblem on the card's middle line.
void PipLayout::addSingle(QList<Pip> &list, qreal y, qreal size, qreal angle)
{
    list << Pip { QPointF(CardGeometry::centre.x(), y), size, angle };
}

// Two emblems mirrored about the middle line: the left one slanted by angle, the right one
// by -angle.
void PipLayout::addPair(QList<Pip> &list, qreal dx, qreal y, qreal size, qreal angle)
{
    list << Pip { QPointF(CardGeometry::centre.x() - dx, y), size, angle }
         << Pip { QPointF(CardGeometry::centre.x() + dx, y), size, -angle };
}

QList<Pip> PipLayout::roundPips(int numero)
{
    constexpr qreal middle = CardGeometry::centre.y();
    QList<Pip> list;
    switch (numero) {
    case 1:
        addSingle(list, middle, 188);
        break;
    case 2:
        addSingle(list, 104, 94);
        addSingle(list, 259, 94);
        break;
    case 3:
        for (qreal y : { 76.0, middle, 287.0 })
            addSingle(list, y, 82);
        break;
    case 4:
        addPair(list, 44, 98, 74);
        addPair(list, 44, 265, 74);
        break;
    case 5:
        addPair(list, 46, 88, 68);
        addSingle(list, middle, 68);
        addPair(list, 46, 275, 68);
        break;
    case 6:
        for (qreal y : { 78.0, middle, 285.0 })
            addPair(list, 38, y, 64);
        break;
    case 7:
        for (qreal y : { 66.0, middle, 297.0 })
            addPair(list, 38, y, 58);
        addSingle(list, (66 + middle) / 2, 58);
        break;
    }
    return list;
}

QList<Pip> PipLayout::longPips(Palo palo, int numero)
{
    constexpr qreal middle = CardGeometry::centre.y();
    QList<Pip> list;
    switch (numero) {
    case 1:
        addSingle(list, middle, 300);
        break;
    case 2:
        addPair(list, 0, middle, 280, -24);
        break;
    case 3:
        addPair(list, 0, middle, 270, -28);
        // The middle sword points down so the three hilts do not pile up at the foot; a
        // club's head is too heavy for that and stays up.
        addSingle(list, middle, 270, palo == Palo::Espadas ? 180 : 0);
        break;
    case 4:
        addPair(list, 38, 100, 150, 10);
        addPair(list, 38, 263, 150, -10);
        break;
    case 5:
        addPair(list, 42, 94, 130, 14);
        addSingle(list, middle, 130);
        addPair(list, 42, 269, 130, -14);
        break;
    case 6:
        for (qreal y : { 78.0, middle, 285.0 })
            addPair(list, 36, y, 110, 20);
        break;
    case 7:
        for (qreal y : { 74.0, middle, 289.0 })
            addPair(list, 34, y, 94, -20);
        addSingle(list, 129, 88);
        break;
    }
    return list;
}
