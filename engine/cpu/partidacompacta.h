// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movimientocompacto.h"
#include "posicioncompacta.h"

#include <array>
#include <cstdint>
#include <functional>

// Whole games on the compact position, for tournaments between players:
// hands of 40 cards until a side has 3 points, the opener drawn at random,
// the turn and the last lifter carried across hands as in the real game.
class PartidaCompacta
{
public:
    using Elector = std::function<MovimientoCompacto(const PosicionCompacta &)>;
    using Palos = std::array<std::uint8_t, PosicionCompacta::kCartas>;

    static constexpr int kPuntosParaGanar = 3;

    struct Resultado
    {
        Lado ganador = Lado::Nadie; // the side that reached 3 points
        int manos = 0;
        PorLado<int> manosGanadas {};
        int empates = 0;
    };

    // The project's card set: ten cards of each of four palos, in deck order.
    static Palos palosDelMazo();

    // Plays one game; deals come from a generator of the game's own, seeded
    // with semilla, which the players never see.
    static Resultado jugar(const Palos &palos, const Elector &cpu, const Elector &humano,
                           std::uint64_t semilla);
};
