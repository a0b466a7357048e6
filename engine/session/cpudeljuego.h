// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"
#include "electorenespera.h"
#include "gamestate.h"
#include "nivelcpu.h"

#include <memory>

// The CPU's seat: the chooser of the level in force, or one set for every level, and
// who waits for its choice.
class CpuDelJuego
{
public:
    // A new level makes its chooser; the same level keeps the one in use.
    void usarNivel(NivelCpu nivel);
    NivelCpu nivel() const { return m_nivel; }
    // The chooser of every move from now on, whatever the level; it must outlive the seat.
    void setElector(Elector &elector) { m_electorFijo = &elector; }
    // Who waits for the choice, off the caller's thread; without one the chooser is
    // asked at once. It must outlive the seat.
    void setElectorEnEspera(ElectorEnEspera &enEspera) { m_enEspera = &enEspera; }

    // The CPU's move in estado, handed to listo once: at once without a thinker.
    void pensar(const GameState &estado, const ElectorEnEspera::Listo &listo);

private:
    NivelCpu m_nivel = NivelCpu::Normal;
    std::unique_ptr<Elector> m_electorNivel = NivelesCpu::crearElector(NivelCpu::Normal);
    Elector *m_electorFijo = nullptr;
    ElectorEnEspera *m_enEspera = nullptr;
};
