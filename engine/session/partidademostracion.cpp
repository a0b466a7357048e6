// SPDX-License-Identifier: GPL-3.0-or-later

#include "partidademostracion.h"

namespace {

// The two seats draw from seeds of their own, so that a sampling level does not think alike
// in both.
constexpr std::uint64_t kMezclaArriba = 0xD1B54A32D192ED03ULL;
constexpr std::uint64_t kMezclaAbajo = 0x8CB92BA72F3D8DD7ULL;

} // namespace

PartidaDeDemostracion::PartidaDeDemostracion(const Ubicaciones &lugares, ZelboView &vista,
                                             DialogService &dialogos, std::uint64_t semilla,
                                             NivelCpu nivel)
    : m_azar(semilla)
    , m_electorArriba(NivelesCpu::crearElector(nivel, semilla ^ kMezclaArriba))
    , m_electorAbajo(NivelesCpu::crearElector(nivel, semilla ^ kMezclaAbajo))
    , m_juego(lugares, vista, dialogos, m_azar, m_ajustes, ZelboGame::ArchivoDePropiedades::Ninguno)
{
    // Nobody takes a move of the demonstration back.
    m_juego.setConHistorial(false);
    m_juego.setElectorCpu(*m_electorArriba);
    m_juego.setFuenteDeNivel([nivel] { return nivel; });
    m_juego.restaurarPreferencias(tr("CPU 1"), tr("CPU 2"), Preferencias {});
}

void PartidaDeDemostracion::setElectorEnEspera(ElectorEnEspera &enEspera)
{
    m_enEspera = &enEspera;
    m_juego.setElectorEnEspera(enEspera);
}

void PartidaDeDemostracion::iniciar()
{
    m_juego.iniciar();
}

bool PartidaDeDemostracion::juegaAbajo() const
{
    return m_juego.esperaAlJugador() && !m_juego.estado().player2.isEmpty();
}

void PartidaDeDemostracion::pensarAbajo(ElectorEnEspera::Listo listo)
{
    if (m_enEspera) {
        m_enEspera->pensar(*m_electorAbajo, m_juego.estado(), Lado::Humano, std::move(listo));
        return;
    }
    Jugada jugada;
    m_electorAbajo->elegirEn(m_juego.estado(), Lado::Humano, jugada);
    listo(jugada);
}

void PartidaDeDemostracion::jugarAbajo(const Jugada &jugada)
{
    if (!juegaAbajo())
        return;
    m_juego.marcarJugada(jugada);
    m_juego.intentar(Intento::jugarMarcas());
}
