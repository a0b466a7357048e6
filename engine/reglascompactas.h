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
// board's every way of playing (through Legalidad, on the game state) and the
// tests ask it. It works on the compact position so that the Difícil player's
// thousands of hands a move pay nothing for asking.
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

    template<class F>
    static void generar(const PosicionCompacta &p, int asiento, Alcance alcance, F &&f);

    static std::vector<MovimientoCompacto> movimientos(const PosicionCompacta &p, int asiento,
                                                       Alcance alcance = Alcance::Todas);
    static bool esLegal(const PosicionCompacta &p, int asiento, const MovimientoCompacto &m);
    // A move that names a place twice, out of order or past the markable ones
    // is never legal.
    static bool esLegal(const PosicionCompacta &p, int asiento, const Jugada &j);
    // The Jugada's places as a mask; nothing when they are not ascending
    // markable places, or the slot is past a hand.
    static std::optional<MovimientoCompacto> compacto(const Jugada &j);

    // The markable table places whose card has the palo.
    static std::uint8_t lugaresDePalo(const PosicionCompacta &p, int palo);
    // Whether the opponent's pile has a top of the palo, to be taken.
    static bool puedeTomarMonton(const PosicionCompacta &p, int asiento, int palo)
    {
        const int tope = p.tope[1 - asiento];
        return tope != PosicionCompacta::kNinguna && p.palo[tope] == palo;
    }
    // Laying a card is refused while any table card has its palo, also one
    // past the markable places.
    static bool puedeTirar(const PosicionCompacta &p, int palo) { return !p.mesaTienePalo(palo); }
};

template<class F>
void ReglasCompactas::generar(const PosicionCompacta &p, int asiento, Alcance alcance, F &&f)
{
    using T = Jugada::Tipo;
    std::uint64_t palosVistos = 0;
    for (int slot = 0; slot < p.enMano[asiento]; ++slot) {
        const int pal = p.palo[p.mano[asiento][slot]];
        if (alcance == Alcance::Representativas) {
            if (palosVistos & PosicionCompacta::bit(pal))
                continue;
            palosVistos |= PosicionCompacta::bit(pal);
        }
        const auto s = static_cast<std::uint8_t>(slot);
        f(MovimientoCompacto { T::AlMonton, s, 0 });
        if (puedeTomarMonton(p, asiento, pal))
            f(MovimientoCompacto { T::LevantarMonton, s, 0 });
        const std::uint8_t lugares = lugaresDePalo(p, pal);
        if (alcance == Alcance::Representativas) {
            if (lugares != 0)
                f(MovimientoCompacto { T::LevantarMesa, s, lugares });
        } else {
            // Every non-empty subset of the matching places.
            for (unsigned sub = lugares; sub != 0; sub = (sub - 1) & lugares)
                f(MovimientoCompacto { T::LevantarMesa, s, static_cast<std::uint8_t>(sub) });
        }
        if (puedeTirar(p, pal))
            f(MovimientoCompacto { T::Tirar, s, 0 });
    }
}
