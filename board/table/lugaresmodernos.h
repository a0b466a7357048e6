// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRect>
#include <array>

// Where the modern table lays everything out in a window of a given size: the
// CPU's hand and pile with the scores along the top, the own hand and pile with
// the lift button along the bottom, and the table's cards between them in rows
// that stay centred. Up to 20 table cards show whole; more overlap, each
// leaving its corner, with its rank and suit, in sight.
struct LugaresModernos
{
    QSize carta; // a hand's or a pile's card
    QSize cartaMesa;
    int alzada = 0; // how far a marked card rises
    std::array<QRect, 3> cpu {};
    std::array<QRect, 3> mano {};
    std::array<QRect, 2> montones {}; // the CPU's, the own: the place of an empty pile
    QRect panel;
    QRect levantar;
    QRect nota; // the tutor's note, beside the own hand and over the lift button
    QList<QRect> mesa;

    static LugaresModernos calcular(QSize area, int cartasMesa);

private:
    void filas(const QRect &zona, int cartas);
};
