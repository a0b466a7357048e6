// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorrapidocontador.h"

#include "reglascompactas.h"

#include <bit>

namespace {

using T = Jugada::Tipo;

// What the mover knows about the opponent's next card.
struct Cuenta
{
    std::array<std::uint8_t, PosicionCompacta::kCartas> porPalo {}; // unseen cards per palo
    int ocultas = 0;
    int cartasRival = 0; // cards the opponent will choose its next move from
    bool ultimaJugada = false; // this move ends the hand
    bool rivalNormal = false; // the opponent plays the Normal rule

    // The chance that the opponent's next move takes cards of this palo, its own
    // pile's top being of paloTopeRival (-1 for none).
    double riesgo(int palo, int paloTopeRival) const
    {
        const int dePalo = porPalo[static_cast<std::size_t>(palo)];
        if (!rivalNormal)
            return ElectorRapidoContador::probabilidadDeTener(dePalo, ocultas, cartasRival);
        // Its first card, any unseen one, alone decides; of its own pile's palo it
        // goes onto that pile.
        if (cartasRival <= 0 || ocultas <= 0 || palo == paloTopeRival)
            return 0.0;
        return static_cast<double>(dePalo) / ocultas;
    }
};

Cuenta contar(const PosicionCompacta &p)
{
    const Lado s = p.turno;
    const Lado r = contrario(s);
    Cuenta c;
    const std::uint64_t ocultas = p.ocultasPara(s);
    for (std::uint64_t m = ocultas; m != 0; m &= m - 1)
        ++c.porPalo[p.palo[static_cast<std::size_t>(std::countr_zero(m))]];
    c.ocultas = std::popcount(ocultas);
    const bool quedan = p.repartidas < PosicionCompacta::kCartas;
    c.cartasRival = p.enMano[r] > 0 ? p.enMano[r] : (quedan ? PosicionCompacta::kReparto : 0);
    c.ultimaJugada = !quedan && p.enMano[r] == 0 && p.enMano[s] == 1;
    return c;
}

// The change in the mover's pile lead the move is expected to bring. Asked
// for every move of every deal the Difícil player plays out: inline, since a
// call here costs that player a fifth of its time.
inline double valorar(const PosicionCompacta &p, const Cuenta &c, const MovimientoCompacto &m)
{
    const Lado s = p.turno;
    const Lado r = contrario(s);
    const int palo = p.palo[p.mano[s][m.carta]];
    const int antes = p.monton[s] - p.monton[r];
    int mio = p.monton[s] + 1;
    int suyo = p.monton[r];
    int tope = palo;
    int mesa = p.enMesa;
    Lado ultimo = p.ultimo;
    switch (m.tipo) {
    case T::AlMonton:
        break;
    case T::LevantarMonton:
        mio += suyo;
        suyo = 0;
        ultimo = s;
        break;
    case T::LevantarMesa:
        mio += std::popcount(static_cast<unsigned>(m.mesa));
        mesa -= std::popcount(static_cast<unsigned>(m.mesa));
        ultimo = s;
        break;
    case T::Tirar:
        --mio;
        ++mesa;
        tope = p.tope[s] == PosicionCompacta::kNinguna ? -1 : p.palo[p.tope[s]];
        break;
    }
    double valor = (mio - suyo) - antes;
    if (c.ultimaJugada) {
        // The table goes to whoever lifted last, and nothing can happen after.
        return valor + (ultimo == s ? mesa : (ultimo == r ? -mesa : 0));
    }
    const int topeRival = m.tipo == T::LevantarMonton || p.tope[r] == PosicionCompacta::kNinguna
        ? -1
        : p.palo[p.tope[r]];
    if (tope >= 0 && mio > 0)
        valor -= c.riesgo(tope, topeRival) * (2 * mio + 1);
    if (m.tipo == T::Tirar)
        valor -= c.riesgo(palo, topeRival) * 2;
    return valor;
}

MovimientoCompacto elegirCon(const PosicionCompacta &p, const Cuenta &c)
{
    MovimientoCompacto mejor;
    double mejorValor = -1e9;
    ReglasCompactas::generar(p, p.turno, ReglasCompactas::Alcance::Representativas,
                             [&](const MovimientoCompacto &m) {
                                 const double v = valorar(p, c, m);
                                 if (v > mejorValor) {
                                     mejorValor = v;
                                     mejor = m;
                                 }
                             });
    return mejor;
}

} // namespace

double ElectorRapidoContador::probabilidadDeTener(int c, int u, int h)
{
    if (h <= 0 || c <= 0)
        return 0.0;
    if (u - c < h)
        return 1.0;
    double ninguna = 1.0;
    for (int i = 0; i < h; ++i)
        ninguna *= static_cast<double>(u - c - i) / (u - i);
    return 1.0 - ninguna;
}

MovimientoCompacto ElectorRapidoContador::elegir(const PosicionCompacta &p)
{
    return elegirCon(p, contar(p));
}

MovimientoCompacto ElectorRapidoContador::elegirContraNormal(const PosicionCompacta &p)
{
    Cuenta c = contar(p);
    c.rivalNormal = true;
    return elegirCon(p, c);
}
