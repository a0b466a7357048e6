// SPDX-License-Identifier: GPL-3.0-or-later

#include "suitstyle.h"

QString SuitStyle::name(Palo palo)
{
    switch (palo) {
    case Palo::Oros:
        return QStringLiteral("oros");
    case Palo::Copas:
        return QStringLiteral("copas");
    case Palo::Espadas:
        return QStringLiteral("espadas");
    case Palo::Bastos:
        return QStringLiteral("bastos");
    }
    return {};
}

QColor SuitStyle::ink(Palo palo)
{
    switch (palo) {
    case Palo::Oros:
        return QColor(0xA8, 0x5C, 0x00);
    case Palo::Copas:
        return QColor(0xC2, 0x1F, 0x2A);
    case Palo::Espadas:
        return QColor(0x1D, 0x4E, 0xA0);
    case Palo::Bastos:
        return QColor(0x2B, 0x7A, 0x2E);
    }
    return Qt::black;
}

QColor SuitStyle::tint(Palo palo)
{
    switch (palo) {
    case Palo::Oros:
        return QColor(0xFB, 0xEF, 0xCC);
    case Palo::Copas:
        return QColor(0xF9, 0xE0, 0xDC);
    case Palo::Espadas:
        return QColor(0xDF, 0xE8, 0xF6);
    case Palo::Bastos:
        return QColor(0xE2, 0xF0, 0xD8);
    }
    return Qt::white;
}

int SuitStyle::frameBreaks(Palo palo)
{
    switch (palo) {
    case Palo::Oros:
        return 0;
    case Palo::Copas:
        return 1;
    case Palo::Espadas:
        return 2;
    case Palo::Bastos:
        return 3;
    }
    return 0;
}
