// SPDX-License-Identifier: GPL-3.0-or-later

#include "reglascompactas.h"

std::vector<MovimientoCompacto> ReglasCompactas::movimientos(const PosicionCompacta &p, int asiento,
                                                             Alcance alcance)
{
    std::vector<MovimientoCompacto> lista;
    generar(p, asiento, alcance, [&lista](const MovimientoCompacto &m) { lista.push_back(m); });
    return lista;
}

bool ReglasCompactas::esLegal(const PosicionCompacta &p, int asiento, const Jugada &j)
{
    bool legal = false;
    generar(p, asiento, Alcance::Todas,
            [&](const MovimientoCompacto &m) { legal = legal || m.comoJugada() == j; });
    return legal;
}

std::uint8_t ReglasCompactas::lugaresDePalo(const PosicionCompacta &p, int palo)
{
    std::uint8_t lugares = 0;
    const int n
        = p.enMesa < PosicionCompacta::kLugaresMesa ? p.enMesa : PosicionCompacta::kLugaresMesa;
    for (int i = 0; i < n; ++i) {
        if (p.palo[p.mesa[i]] == palo)
            lugares = static_cast<std::uint8_t>(lugares | (1U << i));
    }
    return lugares;
}
