// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"

#include <memory>
#include <utility>
#include <vector>

// A chooser that times another one: the processor time each choice took, in
// milliseconds.
class ElectorCronometrado : public Elector
{
public:
    explicit ElectorCronometrado(std::unique_ptr<Elector> elector);

    Jugada elegir(const GameState &estado, Lado lado) override;

    // The times of the choices since the last call, which forgets them.
    std::vector<double> tomarTiempos() { return std::exchange(m_tiempos, {}); }

private:
    std::unique_ptr<Elector> m_elector;
    std::vector<double> m_tiempos;
};
