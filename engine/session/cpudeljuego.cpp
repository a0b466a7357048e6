// SPDX-License-Identifier: GPL-3.0-or-later

#include "cpudeljuego.h"

void CpuDelJuego::usarNivel(NivelCpu nivel)
{
    if (nivel != m_nivel) {
        m_electorNivel = NivelesCpu::crearElector(nivel);
        m_nivel = nivel;
    }
}

void CpuDelJuego::pensar(const GameState &estado, const ElectorEnEspera::Listo &listo)
{
    Elector &elector = m_electorFijo ? *m_electorFijo : *m_electorNivel;
    if (m_enEspera) {
        m_enEspera->pensar(elector, estado, Lado::Cpu, listo);
        return;
    }
    Jugada jugada;
    elector.elegirEn(estado, Lado::Cpu, jugada);
    listo(jugada);
}
