// SPDX-License-Identifier: GPL-3.0-or-later

#include "reglascompactas.h"

std::vector<MovimientoCompacto> ReglasCompactas::movimientos(const PosicionCompacta &p, Lado lado,
                                                             Alcance alcance)
{
    std::vector<MovimientoCompacto> lista;
    generar(p, lado, alcance, [&lista](const MovimientoCompacto &m) { lista.push_back(m); });
    return lista;
}

bool ReglasCompactas::esLegal(const PosicionCompacta &p, Lado lado, const Jugada &j)
{
    const std::optional<MovimientoCompacto> m = compacto(j);
    return m && esLegal(p, lado, *m);
}

std::optional<MovimientoCompacto> ReglasCompactas::compacto(const Jugada &j)
{
    if (j.carta < 0 || j.carta >= PosicionCompacta::kMano)
        return std::nullopt;
    unsigned mesa = 0;
    int anterior = -1;
    for (const int lugar : j.mesa) {
        if (lugar <= anterior || lugar >= PosicionCompacta::kLugaresMesa)
            return std::nullopt;
        mesa |= 1U << lugar;
        anterior = lugar;
    }
    return MovimientoCompacto { j.tipo, static_cast<std::uint8_t>(j.carta),
                                static_cast<std::uint8_t>(mesa) };
}
