// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

// The preferences besides the two names, which live in the player records.
struct Preferencias
{
    static constexpr qint32 kColorInicial = 0x00E0E0E0;

    QString aplicacion; // command line that the toolbar's "run" starts; empty for none
    qint32 colorFondo = kColorInicial; // &H00BBGGRR; negative values are system colours
    QString reverso; // card-back picture; empty for dibujo.jpg beside the program
};
