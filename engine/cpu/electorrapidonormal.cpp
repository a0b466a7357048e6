// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorrapidonormal.h"

#include "reglascompactas.h"

MovimientoCompacto ElectorRapidoNormal::elegir(const PosicionCompacta &p)
{
    using T = Jugada::Tipo;
    const Lado s = p.turno;
    const Lado r = contrario(s);
    const int palo = p.palo[p.mano[s][0]];
    const auto coincide = [&](Lado lado) {
        return p.tope[lado] != PosicionCompacta::kNinguna && p.palo[p.tope[lado]] == palo;
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
