// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"
#include "nivelcpu.h"

// The human's seat played as the hint plays against the CPU at a level: the
// move the chance to win rates best (Pista::mejor).
class ElectorPista : public Elector
{
public:
    explicit ElectorPista(NivelCpu nivel)
        : m_nivel(nivel)
    {
    }

    Jugada elegir(const GameState &estado, Lado lado) override;

private:
    NivelCpu m_nivel;
};
