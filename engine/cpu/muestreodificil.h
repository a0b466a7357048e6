// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugada.h"
#include "movimientocompacto.h"
#include "vistadificil.h"

#include <cstdint>

struct GameState;

// The CPU's Difícil level. For each move worth comparing it deals the cards
// it cannot see at random to the opponent's hand and the deck, plays the
// hand out with the card-counting player on both sides, and keeps the move
// that wins the hand most often (the pile difference breaks near ties). The
// same deals serve every move, so the moves are compared on equal luck.
// Its strength is a fixed number of deals, and its draws come from its own
// generator seeded from the view and the caller's seed: a seed gives the
// same choice on every machine, and nothing hidden can change it.
class MuestreoDificil
{
public:
    static constexpr int kMuestras = 50;

    explicit MuestreoDificil(int muestras = kMuestras);

    MovimientoCompacto elegirCompacto(const VistaDificil &vista, std::uint64_t semilla) const;
    Jugada elegir(const VistaDificil &vista, std::uint64_t semilla) const;
    // The move for a side of a running game.
    Jugada elegir(const GameState &estado, Lado lado, std::uint64_t semilla) const;

private:
    int m_muestras;
};
