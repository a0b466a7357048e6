// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lado.h"
#include "movimientocompacto.h"

#include <array>
#include <cstdint>

// A hand of the game in small integers, fast enough to play thousands of
// hands a move: a card is its deck number less one (0..39), a palo a small
// index, and a pile only its top card and size, since only a pile's count
// decides a hand and only its top can be matched. The per-side values are
// read by the side: the CPU's is player1's, the human's player2's.
struct PosicionCompacta
{
    static constexpr int kCartas = 40;
    static constexpr int kMano = 3;
    static constexpr int kLugaresMesa = 7; // the table places the board can mark
    static constexpr int kReparto = 3; // cards to each hand per deal
    static constexpr int kMesaInicial = 4;
    static constexpr int kEtapas = 6; // deals in a hand
    static constexpr std::int8_t kNinguna = -1;
    static constexpr std::uint64_t kTodas = (std::uint64_t { 1 } << kCartas) - 1;

    std::array<std::uint8_t, kCartas> palo {}; // palo index of each card
    PorLado<std::array<std::int8_t, kMano>> mano {}; // in slot order
    PorLado<std::uint8_t> enMano {};
    std::array<std::int8_t, kCartas> mesa {}; // in place order
    std::uint8_t enMesa = 0;
    PorLado<std::int8_t> tope { { kNinguna, kNinguna } };
    PorLado<std::uint8_t> monton {};
    std::uint64_t apiladas = 0; // every card in either pile
    std::array<std::int8_t, kCartas> orden {}; // orden[repartidas..] are undealt, in deal order
    std::uint8_t repartidas = 0;
    Lado ultimo = Lado::Nadie; // the side that lifted last
    Lado turno = Lado::Cpu; // the side to move
    PorLado<std::uint8_t> puntos {};

    static std::uint64_t bit(int carta) { return std::uint64_t { 1 } << carta; }

    bool manoTerminada() const
    {
        return enMano[Lado::Cpu] == 0 && enMano[Lado::Humano] == 0 && repartidas >= kCartas;
    }
    // The deal in play, from 0 (the first) to kEtapas - 1 (the last round).
    int etapa() const { return (repartidas - kMesaInicial) / (2 * kReparto) - 1; }
    std::uint64_t mascaraMano(Lado lado) const;
    std::uint64_t mascaraMesa() const;
    // What a side cannot see: the other hand and the undealt cards.
    std::uint64_t ocultasPara(Lado lado) const;

    // Plays the move for the side to move, passes the turn and deals when both
    // hands are empty and cards are left. The move must be legal.
    void aplicar(const MovimientoCompacto &m);
    // Starts a hand on the given deck order: 4 to the table, 3 to each hand,
    // the CPU's first. The turn, points and last lifter carry over.
    void nuevaMano(const std::array<std::int8_t, kCartas> &barajado);
    // Gives the table to the last lifter; returns the CPU's pile less the human's.
    int cerrarMano();

private:
    std::int8_t robar();
    void repartirManos();
    void apilar(Lado lado, std::int8_t carta);
    void levantarMesa(Lado lado, std::uint8_t lugares);
};
