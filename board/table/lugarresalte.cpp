// SPDX-License-Identifier: GPL-3.0-or-later

#include "lugarresalte.h"

#include <limits>

namespace {
qint64 area(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}
} // namespace

QRect LugarResalte::elegir(const QRect &carta, QSize grande, const QRect &tablero,
                           const QList<QRect> &libres)
{
    const int masAncho = std::max(0, grande.width() - carta.width());
    const int masAlto = std::max(0, grande.height() - carta.height());
    QRect mejor(carta.topLeft(), grande);
    qint64 menor = std::numeric_limits<qint64>::max();
    // Nearest to growing right and down first, so that a free board keeps that corner.
    for (int paso = 0; paso <= masAncho + masAlto && menor > 0; ++paso) {
        for (int dx = std::max(0, paso - masAlto); dx <= std::min(paso, masAncho); ++dx) {
            const QRect r(carta.topLeft() - QPoint(dx, paso - dx), grande);
            const qint64 e = estorbo(r, carta, tablero, libres);
            if (e < menor) {
                menor = e;
                mejor = r;
            }
        }
    }
    return mejor;
}

// How much of the board's edge and of the labels the rectangle would cover
// beyond what the card at rest already covers; leaving the board weighs most.
qint64 LugarResalte::estorbo(const QRect &r, const QRect &carta, const QRect &tablero,
                             const QList<QRect> &libres)
{
    qint64 e = (area(r) - area(r & tablero)) * 1000;
    for (const QRect &libre : libres)
        e += std::max<qint64>(0, area(r & libre) - area(carta & libre));
    return e;
}
