// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The felt under the board: its picture scaled to cover a whole area, centred,
// never stretched unevenly, and tinted with the chosen background colour.
class Tapete
{
public:
    // The colour that leaves the felt as it was drawn.
    static inline const QColor kColorNeutro { 224, 224, 224 };

    // The felt of the file, decoded at the size it covers on the device; a
    // null image when the file cannot be read.
    static QImage cubrir(const QString &ruta, const QColor &color, QSize enDispositivo);
    // The felt's light and shade carried over to the colour.
    static void tenir(QImage &imagen, const QColor &color);
};
