// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"
#include "muestreodificil.h"

#include <cstdint>

// The Difícil level as a chooser of the game, for either seat. Its draws are
// seeded from what the seat sees and from a seed of its own, never from the
// generator that deals: choosing the level or thinking never changes a deal,
// a seed gives the same game on every machine, and the same position always
// gets the same answer (a hint asked twice does not change its mind).
class ElectorDificil : public Elector
{
public:
    static constexpr std::uint64_t kSemilla = 0x5A454C424F444946ULL;

    explicit ElectorDificil(std::uint64_t semilla = kSemilla,
                            int muestras = MuestreoDificil::kMuestras);

    Jugada elegir(const GameState &estado, Lado lado) override;

private:
    MuestreoDificil m_jugador;
    std::uint64_t m_semilla;
};
