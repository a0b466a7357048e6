// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movimientocompacto.h"

#include <array>
#include <cstdint>

// A hand of the game in small integers, fast enough to play thousands of
// hands a move: a card is its deck number less one (0..39), a palo a small
// index, and a pile only its top card and size, since only a pile's count
// decides a hand and only its top can be matched. Seat 0 is the CPU (player1),
// seat 1 the human (player2).
struct PosicionCompacta
{
    static constexpr int kCartas = 40;
    static constexpr int kMano = 3;
    static constexpr int kLugaresMesa = 7; // the table places the board can mark
    static constexpr int kReparto = 3; // cards to each hand per deal
    static constexpr int kMesaInicial = 4;
    static constexpr int kCpu = 0;
    static constexpr int kHumano = 1;
    static constexpr std::int8_t kNinguna = -1;
    static constexpr std::uint64_t kTodas = (std::uint64_t { 1 } << kCartas) - 1;

    std::array<std::uint8_t, kCartas> palo {}; // palo index of each card
    std::array<std::array<std::int8_t, kMano>, 2> mano {}; // in slot order
    std::array<std::uint8_t, 2> enMano {};
    std::array<std::int8_t, kCartas> mesa {}; // in place order
    std::uint8_t enMesa = 0;
    std::array<std::int8_t, 2> tope { kNinguna, kNinguna };
    std::array<std::uint8_t, 2> monton {};
    std::uint64_t apiladas = 0; // every card in either pile
    std::array<std::int8_t, kCartas> orden {}; // orden[repartidas..] are undealt, in deal order
    std::uint8_t repartidas = 0;
    std::int8_t ultimo = kNinguna; // the seat that lifted last
    std::uint8_t turno = kCpu; // the seat to move
    std::array<std::uint8_t, 2> puntos {};

    static std::uint64_t bit(int carta) { return std::uint64_t { 1 } << carta; }

    bool manoTerminada() const { return enMano[0] == 0 && enMano[1] == 0 && repartidas >= kCartas; }
    std::uint64_t mascaraMano(int asiento) const;
    std::uint64_t mascaraMesa() const;
    // What a seat cannot see: the other hand and the undealt cards.
    std::uint64_t ocultasPara(int asiento) const;

    // Plays the move for the seat to move, passes the turn and deals when both
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
    void apilar(int asiento, std::int8_t carta);
    void levantarMesa(int asiento, std::uint8_t lugares);
};
