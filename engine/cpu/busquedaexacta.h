// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movimientocompacto.h"
#include "posicioncompacta.h"

// The last round of a hand searched to its end. Once the 40 cards are dealt
// a side knows the other hand too (every other card has been seen), so both
// players play with everything in view and the best move can be found
// exactly, each side taking the line that is best for it.
class BusquedaExacta
{
public:
    // What the end of the hand is worth to the side that searches.
    struct Utilidad
    {
        double gana = 1.0;
        double empata = 0.0;
        double pierde = -1.0;
        double porCarta = 0.0; // per card of pile lead, to break ties between equal lines

        double de(int diferencia) const
        {
            const double fin = diferencia > 0 ? gana : (diferencia < 0 ? pierde : empata);
            return fin + porCarta * diferencia;
        }
    };

    struct Resultado
    {
        MovimientoCompacto movimiento;
        double valor = 0.0;
    };

    BusquedaExacta(Lado yo, const Utilidad &utilidad);

    // The best move of the side to move, which must be yo, in a position
    // with every card dealt and both hands filled in.
    Resultado mejor(const PosicionCompacta &p) const;
    // The value of the position for yo, with the best play of both sides.
    double valor(const PosicionCompacta &p) const;

private:
    double buscar(const PosicionCompacta &p, double alfa, double beta) const;

    Lado m_yo;
    Utilidad m_utilidad;
};
