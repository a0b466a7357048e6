// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugada.h"

#include <cstdint>

// A move in the compact position: the same content as a Jugada, with the
// lifted table places as a bit mask (bit i = place i) so that rollouts
// allocate nothing.
struct MovimientoCompacto
{
    Jugada::Tipo tipo = Jugada::Tipo::Tirar;
    std::uint8_t carta = 0; // hand slot
    std::uint8_t mesa = 0; // lifted table places; 0 unless LevantarMesa

    bool operator==(const MovimientoCompacto &) const = default;

    Jugada comoJugada() const
    {
        Jugada j;
        j.tipo = tipo;
        j.carta = carta;
        for (int i = 0; i < 8; ++i) {
            if (mesa & (1U << i))
                j.mesa.push_back(i);
        }
        return j;
    }
};
