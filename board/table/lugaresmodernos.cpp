// SPDX-License-Identifier: GPL-3.0-or-later

#include "lugaresmodernos.h"

#include <algorithm>
#include <cmath>

namespace {
// A card's width for its height, as the card pictures are drawn.
constexpr double kAspecto = 80.0 / 121.0;
// The share of a card's width that shows its rank and suit when another lies over it.
constexpr double kEsquina = 0.34;

QSize tamanoDe(int alto)
{
    return { static_cast<int>(std::lround(alto * kAspecto)), alto };
}
} // namespace

LugaresModernos LugaresModernos::calcular(QSize area, int cartasMesa)
{
    LugaresModernos d;
    const int w = area.width();
    const int h = area.height();
    const int margen = std::max(6, std::min(w, h) / 50);
    // The hands take a fifth of the height each, narrower windows less.
    const int alto = std::min(h * 21 / 100, static_cast<int>(w / 7 / kAspecto));
    d.carta = tamanoDe(alto);
    d.alzada = alto / 8;
    const int paso = d.carta.width() + margen;
    // A pile grows up to an eighth of a card above its place, and rises when marked.
    const int pila = alto / 8;
    const int arriba = margen + d.alzada + pila;
    const int abajo = h - margen - d.carta.height();
    const int centro = (w - 3 * paso + margen) / 2;
    for (int i = 0; i < 3; ++i) {
        d.cpu.at(static_cast<std::size_t>(i)) = QRect(QPoint(centro + i * paso, margen), d.carta);
        d.mano.at(static_cast<std::size_t>(i)) = QRect(QPoint(centro + i * paso, abajo), d.carta);
    }
    d.montones[0] = QRect(QPoint(margen * 2, arriba), d.carta);
    d.montones[1] = QRect(QPoint(w - margen * 2 - d.carta.width(), abajo), d.carta);
    // The scores take the top right corner, as wide as the room beside the CPU's hand allows.
    const int panelAncho = std::min(w - (centro + 3 * paso) - margen, d.carta.width() * 3);
    d.panel = QRect(w - margen - panelAncho, margen, panelAncho, d.carta.height() * 3 / 4);
    const int botonAlto = std::max(24, alto / 4);
    d.levantar = QRect(margen * 2, abajo + d.carta.height() - botonAlto,
                       std::min(centro - margen * 3, d.carta.width() * 2), botonAlto);
    const int techo = d.montones[0].bottom() + 1 + margen;
    const int suelo = abajo - d.alzada - pila - margen;
    // The tutor's note has the room left of the hand, from below the table's rows
    // to the lift button; it takes what its words need from the bottom up.
    d.nota = QRect(margen * 2, suelo + margen, centro - margen * 3,
                   d.levantar.top() - margen - (suelo + margen));
    const QRect zona(margen, techo + d.alzada, w - 2 * margen, suelo - techo - d.alzada);
    d.filas(zona, cartasMesa);
    // The note may also take the table's room below the lowest card of its column.
    int techoNota = zona.top();
    for (const QRect &r : d.mesa) {
        if (r.left() <= d.nota.right() && r.right() >= d.nota.left())
            techoNota = std::max(techoNota, r.bottom() + 1 + margen);
    }
    d.nota.setTop(std::min(d.nota.top(), techoNota));
    return d;
}

// The largest cards whose rows fit the zone; at the smallest size, the cards
// of a row overlap when they do not fit side by side.
void LugaresModernos::filas(const QRect &zona, int cartas)
{
    if (cartas <= 0)
        return;
    const int hueco = std::max(4, zona.height() / 40);
    const int minimo = std::max(24, carta.height() * 11 / 20);
    const auto porFilaDe = [&](int alto) {
        return std::max(1, (zona.width() + hueco) / (tamanoDe(alto).width() + hueco));
    };
    const auto altoDe = [hueco](int n, int alto) { return n * (alto + hueco) - hueco; };
    int alto = std::max(minimo, std::min(carta.height(), zona.height()));
    while (alto > minimo
           && altoDe((cartas + porFilaDe(alto) - 1) / porFilaDe(alto), alto) > zona.height())
        alto -= std::max(1, alto / 30);
    alto = std::max(alto, minimo);
    cartaMesa = tamanoDe(alto);
    int filasN = (cartas + porFilaDe(alto) - 1) / porFilaDe(alto);
    filasN = std::clamp(filasN, 1, std::max(1, (zona.height() + hueco) / (alto + hueco)));
    // The cards shared out evenly among the rows.
    const int porFila = (cartas + filasN - 1) / filasN;
    const int ancho = cartaMesa.width();
    int paso = ancho + hueco;
    if (porFila > 1 && (porFila - 1) * paso + ancho > zona.width())
        paso = std::max(static_cast<int>(ancho * kEsquina), (zona.width() - ancho) / (porFila - 1));
    const int y0 = zona.top() + std::max(0, (zona.height() - altoDe(filasN, alto)) / 2);
    for (int i = 0; i < cartas; ++i) {
        const int fila = i / porFila;
        const int enFila = std::min(porFila, cartas - fila * porFila);
        const int x0 = zona.left() + (zona.width() - ((enFila - 1) * paso + ancho)) / 2;
        mesa.append(
            QRect(QPoint(x0 + (i % porFila) * paso, y0 + fila * (alto + hueco)), cartaMesa));
    }
}
