// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QRect>

class QPainter;

// Copies of the board's pictures in strips of fewer rows than Qt's raster
// engine hands to its thread pool. The engine splits every copy of 96 rows or
// more among its threads and waits for them; for the board's pictures the
// hand-off and the wait cost more than the copy, and on a busy or single core
// far more. A strip is copied where it is asked for, on the caller's thread.
class Tiras
{
public:
    // The part fuente (in the picture's own pixels) of the picture, onto destino.
    static void dibujar(QPainter &pintor, const QRect &destino, const QPixmap &imagen,
                        const QRect &fuente);
    // The whole picture with its top left corner at esquina.
    static void dibujar(QPainter &pintor, QPoint esquina, const QPixmap &imagen);
};
