// SPDX-License-Identifier: GPL-3.0-or-later

#include "tiras.h"

#include <QPainter>
#include <cmath>

namespace {
// Below the 96 rows at which the engine starts to share out a copy.
constexpr int kFilas = 64;
} // namespace

void Tiras::dibujar(QPainter &pintor, const QRect &destino, const QPixmap &imagen,
                    const QRect &fuente)
{
    const qreal razon = imagen.devicePixelRatio();
    // Strips are cut on whole pixels of both sides only: at a fractional ratio
    // their seams would show.
    if (razon != std::floor(razon) || destino.size() * static_cast<int>(razon) != fuente.size()) {
        pintor.drawPixmap(destino, imagen, fuente);
        return;
    }
    const int r = static_cast<int>(razon);
    const int alto = std::max(1, kFilas / r);
    for (int y = 0; y < destino.height(); y += alto) {
        const int filas = std::min(alto, destino.height() - y);
        pintor.drawPixmap(QRect(destino.x(), destino.y() + y, destino.width(), filas), imagen,
                          QRect(fuente.x(), fuente.y() + y * r, fuente.width(), filas * r));
    }
}

void Tiras::dibujar(QPainter &pintor, QPoint esquina, const QPixmap &imagen)
{
    dibujar(pintor, QRect(esquina, imagen.deviceIndependentSize().toSize()), imagen, imagen.rect());
}
