// SPDX-License-Identifier: GPL-3.0-or-later

#include "reglascompactas.h"

std::vector<MovimientoCompacto> ReglasCompactas::movimientos(const PosicionCompacta &p, int asiento,
                                                             Alcance alcance)
{
    std::vector<MovimientoCompacto> lista;
    generar(p, asiento, alcance, [&lista](const MovimientoCompacto &m) { lista.push_back(m); });
    return lista;
}

// The same tests generar makes, asked of one move.
bool ReglasCompactas::esLegal(const PosicionCompacta &p, int asiento, const MovimientoCompacto &m)
{
    if (m.carta >= p.enMano[asiento])
        return false;
    const int pal = p.palo[p.mano[asiento][m.carta]];
    if (m.tipo == Jugada::Tipo::LevantarMesa)
        return m.mesa != 0 && (m.mesa & ~lugaresDePalo(p, pal)) == 0;
    if (m.mesa != 0)
        return false;
    switch (m.tipo) {
    case Jugada::Tipo::AlMonton:
        return true;
    case Jugada::Tipo::LevantarMonton:
        return puedeTomarMonton(p, asiento, pal);
    case Jugada::Tipo::LevantarMesa:
    case Jugada::Tipo::Tirar:
        break;
    }
    return puedeTirar(p, pal);
}

bool ReglasCompactas::esLegal(const PosicionCompacta &p, int asiento, const Jugada &j)
{
    const std::optional<MovimientoCompacto> m = compacto(j);
    return m && esLegal(p, asiento, *m);
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
