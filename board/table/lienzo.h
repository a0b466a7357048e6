// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>

// Where the board draws what it keeps drawn (shadows, marks, outlines): a clear
// picture of a size in the board's pixels, at the device's resolution.
class Lienzo
{
public:
    static QPixmap transparente(QSize tamano, qreal razon);
};
