// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"
#include "muestreoexperto.h"

#include <cstdint>

// The Experto level as a chooser of the game, for either side, seeded as the
// Difícil level is: from what the side sees and a seed of its own, never from
// the generator that deals.
class ElectorExperto : public Elector
{
public:
    static constexpr std::uint64_t kSemilla = 0x5A454C424F455850ULL;

    explicit ElectorExperto(std::uint64_t semilla = kSemilla,
                            int muestras = MuestreoExperto::kMuestras);

    Jugada elegir(const GameState &estado, Lado lado) override;
    void elegirInterrumpible(const GameState &estado, Lado lado, Jugada &jugada,
                             std::stop_token parar) override;

private:
    MuestreoExperto m_jugador;
    std::uint64_t m_semilla;
};
