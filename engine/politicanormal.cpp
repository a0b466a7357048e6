// SPDX-License-Identifier: GPL-3.0-or-later

#include "politicanormal.h"

#include "reglascompactas.h"

MovimientoCompacto PoliticaNormal::elegir(const PosicionCompacta &p)
{
    using T = Jugada::Tipo;
    const int s = p.turno;
    const int r = 1 - s;
    const int palo = p.palo[p.mano[s][0]];
    const auto coincide = [&](int asiento) {
        return p.tope[asiento] != PosicionCompacta::kNinguna && p.palo[p.tope[asiento]] == palo;
    };
    if (coincide(s))
        return { T::AlMonton, 0, 0 };
    if (coincide(r))
        return { T::LevantarMonton, 0, 0 };
    const std::uint8_t lugares = ReglasCompactas::lugaresDePalo(p, palo);
    if (lugares != 0)
        return { T::LevantarMesa, 0, lugares };
    return { T::Tirar, 0, 0 };
}
