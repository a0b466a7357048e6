// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugada.h"
#include "movimientocompacto.h"
#include "posicioncompacta.h"

#include <optional>
#include <vector>

// The moves a seat may make, the same for the CPU's levels as for the human:
// any hand card onto its own pile; a lift of any non-empty set of the
// markable table places whose cards share the hand card's palo; the
// opponent's pile when its top shares it; laying the card when no table card
// has its palo. The one place that knows this: the players, the hint, the
// board's every way of playing (through Legalidad) and the tests ask it.
//
// The rules read a position through a small reading (a class with the
// members of Lectura below), so that the compact position of the Difícil
// player's thousands of hands a move and the game state of the board are
// asked the same rules, each without being copied into the other.
class ReglasCompactas
{
public:
    enum class Alcance {
        Todas, // every legal move
        // One move of each kind per palo in hand (the first slot holding it),
        // and of the table lifts only the one taking every markable match:
        // the moves worth comparing.
        Representativas,
    };

    // The compact position's reading. A palo is a small number; a pile
    // without cards has palo -1 on top.
    struct Lectura
    {
        const PosicionCompacta &p;

        int enMano(Lado lado) const { return p.enMano[lado]; }
        int paloEnMano(Lado lado, int slot) const { return p.palo[p.mano[lado][slot]]; }
        int enMesa() const { return p.enMesa; }
        int paloEnMesa(int lugar) const { return p.palo[p.mesa[lugar]]; }
        int paloTope(Lado lado) const
        {
            return p.tope[lado] == PosicionCompacta::kNinguna ? -1 : p.palo[p.tope[lado]];
        }
    };

    template<class F>
    static void generar(const PosicionCompacta &p, Lado lado, Alcance alcance, F &&f)
    {
        generarEn(Lectura { p }, lado, alcance, f);
    }
    template<class L, class F> static void generarEn(const L &l, Lado lado, Alcance alcance, F &&f);

    static std::vector<MovimientoCompacto> movimientos(const PosicionCompacta &p, Lado lado,
                                                       Alcance alcance = Alcance::Todas);
    static bool esLegal(const PosicionCompacta &p, Lado lado, const MovimientoCompacto &m)
    {
        return esLegalEn(Lectura { p }, lado, m);
    }
    // A move that names a place twice, out of order or past the markable ones
    // is never legal.
    static bool esLegal(const PosicionCompacta &p, Lado lado, const Jugada &j);
    template<class L> static bool esLegalEn(const L &l, Lado lado, const MovimientoCompacto &m);
    // The Jugada's places as a mask; nothing when they are not ascending
    // markable places, or the slot is past a hand.
    static std::optional<MovimientoCompacto> compacto(const Jugada &j);

    // The markable table places whose card has the palo.
    static std::uint8_t lugaresDePalo(const PosicionCompacta &p, int palo)
    {
        return lugaresDePaloEn(Lectura { p }, palo);
    }
    template<class L> static std::uint8_t lugaresDePaloEn(const L &l, int palo);
    // Whether the opponent's pile has a top of the palo, to be taken.
    template<class L> static bool puedeTomarMonton(const L &l, Lado lado, int palo)
    {
        return l.paloTope(contrario(lado)) == palo;
    }
    // Laying a card is refused while any table card has its palo, also one
    // past the markable places.
    template<class L> static bool puedeTirar(const L &l, int palo);
};

template<class L, class F>
void ReglasCompactas::generarEn(const L &l, Lado lado, Alcance alcance, F &&f)
{
    using T = Jugada::Tipo;
    std::uint64_t palosVistos = 0;
    const int enMano = l.enMano(lado);
    for (int slot = 0; slot < enMano; ++slot) {
        const int pal = l.paloEnMano(lado, slot);
        if (alcance == Alcance::Representativas) {
            if (palosVistos & PosicionCompacta::bit(pal))
                continue;
            palosVistos |= PosicionCompacta::bit(pal);
        }
        const auto s = static_cast<std::uint8_t>(slot);
        f(MovimientoCompacto { T::AlMonton, s, 0 });
        if (puedeTomarMonton(l, lado, pal))
            f(MovimientoCompacto { T::LevantarMonton, s, 0 });
        const std::uint8_t lugares = lugaresDePaloEn(l, pal);
        if (alcance == Alcance::Representativas) {
            if (lugares != 0)
                f(MovimientoCompacto { T::LevantarMesa, s, lugares });
        } else {
            // Every non-empty subset of the matching places.
            for (unsigned sub = lugares; sub != 0; sub = (sub - 1) & lugares)
                f(MovimientoCompacto { T::LevantarMesa, s, static_cast<std::uint8_t>(sub) });
        }
        if (puedeTirar(l, pal))
            f(MovimientoCompacto { T::Tirar, s, 0 });
    }
}

// The same tests generarEn makes, asked of one move.
template<class L>
bool ReglasCompactas::esLegalEn(const L &l, Lado lado, const MovimientoCompacto &m)
{
    if (m.carta >= l.enMano(lado))
        return false;
    const int pal = l.paloEnMano(lado, m.carta);
    if (m.tipo == Jugada::Tipo::LevantarMesa)
        return m.mesa != 0 && (m.mesa & ~lugaresDePaloEn(l, pal)) == 0;
    if (m.mesa != 0)
        return false;
    switch (m.tipo) {
    case Jugada::Tipo::AlMonton:
        return true;
    case Jugada::Tipo::LevantarMonton:
        return puedeTomarMonton(l, lado, pal);
    case Jugada::Tipo::LevantarMesa:
    case Jugada::Tipo::Tirar:
        break;
    }
    return puedeTirar(l, pal);
}

template<class L> std::uint8_t ReglasCompactas::lugaresDePaloEn(const L &l, int palo)
{
    std::uint8_t lugares = 0;
    const int enMesa = l.enMesa();
    const int n = enMesa < PosicionCompacta::kLugaresMesa ? enMesa : PosicionCompacta::kLugaresMesa;
    for (int i = 0; i < n; ++i) {
        if (l.paloEnMesa(i) == palo)
            lugares = static_cast<std::uint8_t>(lugares | (1U << i));
    }
    return lugares;
}

template<class L> bool ReglasCompactas::puedeTirar(const L &l, int palo)
{
    const int enMesa = l.enMesa();
    for (int i = 0; i < enMesa; ++i) {
        if (l.paloEnMesa(i) == palo)
            return false;
    }
    return true;
}
