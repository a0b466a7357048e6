// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulador.h"

#include "electorpista.h"
#include "juegosinventana.h"
#include "oyentedelhumano.h"
#include "randomhuman.h"
#include "simulacionerror.h"
#include "verificador.h"

#include <optional>
#include <utility>

namespace {

// The human's stream is kept apart from the game's, so that a change in how
// the human chooses does not change the deals, and the other way round.
constexpr std::uint64_t kMezclaHumano = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t kMezclaDificilCpu = 0xD1B54A32D192ED03ULL;
constexpr std::uint64_t kMezclaDificilHumano = 0x8CB92BA72F3D8DD7ULL;

ResultadoMano::Ganador ganador(ResultadoDeMano::Ganador g)
{
    switch (g) {
    case ResultadoDeMano::Ganador::Cpu:
        return ResultadoMano::Ganador::Cpu;
    case ResultadoDeMano::Ganador::Humano:
        return ResultadoMano::Ganador::Humano;
    case ResultadoDeMano::Ganador::Empate:
        break;
    }
    return ResultadoMano::Ganador::Empate;
}

} // namespace

// What the simulator hears from one run of the game.
struct Simulador::Escucha
{
    JuegoSinVentana &sesion;
    const int partidas;
    const AlTerminarMano &alTerminarMano;
    Verificador *verificador;
    OyenteDelHumano *oyente;
    ResumenSimulacion resumen;
};

Simulador::Simulador(QString programDir, std::uint64_t semilla, const JugadoresSim &jugadores)
    : m_programDir(std::move(programDir))
    , m_azarJuego(semilla)
    , m_azarHumano(semilla ^ kMezclaHumano)
{
    // The Difícil and Experto players draw from seeds of their own, one per
    // seat, so that two of them at one table do not think alike.
    if (jugadores.cpu != NivelCpu::Normal)
        m_electorCpu = crear(jugadores.cpu, semilla ^ kMezclaDificilCpu);
    if (jugadores.humano)
        m_electorHumano = crear(*jugadores.humano, semilla ^ kMezclaDificilHumano);
    if (jugadores.pista)
        m_electorHumano
            = std::make_unique<ElectorCronometrado>(std::make_unique<ElectorPista>(jugadores.cpu));
    m_dificilCpu = jugadores.cpu != NivelCpu::Normal;
    m_dificilHumano = jugadores.humano && *jugadores.humano != NivelCpu::Normal;
}

std::unique_ptr<ElectorCronometrado> Simulador::crear(NivelCpu nivel, std::uint64_t semilla)
{
    return std::make_unique<ElectorCronometrado>(NivelesCpu::crearElector(nivel, semilla));
}

void Simulador::sentar(ZelboGame &juego, RandomHuman &humano)
{
    if (m_electorCpu)
        juego.setElectorCpu(*m_electorCpu);
    if (m_electorHumano)
        humano.setElector(*m_electorHumano);
}

void Simulador::anotarTiempos(ResumenSimulacion &resumen)
{
    resumen.conDificil = m_dificilCpu || m_dificilHumano;
    // Only the sampling players' choices are reported; a Normal seat's are dropped.
    const std::pair<ElectorCronometrado *, bool> asientos[]
        = { { m_electorCpu.get(), m_dificilCpu }, { m_electorHumano.get(), m_dificilHumano } };
    for (const auto &[elector, dificil] : asientos) {
        if (!elector)
            continue;
        const std::vector<double> tiempos = elector->tomarTiempos();
        if (dificil)
            resumen.pensarMs.insert(resumen.pensarMs.end(), tiempos.begin(), tiempos.end());
    }
}

ResumenSimulacion Simulador::jugar(int partidas, const AlTerminarMano &alTerminarMano,
                                   Verificador *verificador)
{
    JuegoSinVentana sesion(m_programDir, m_azarJuego);
    Escucha escucha { sesion, partidas, alTerminarMano, verificador, m_oyente, {} };
    escuchar(escucha);
    RandomHuman humano(sesion.juego(), m_azarHumano);
    sentar(sesion.juego(), humano);
    sesion.iniciar();
    jugarHastaElFinal(escucha, humano);
    if (escucha.resumen.partidas != partidas)
        throw SimulacionError(QStringLiteral("the game ended after %1 of %2 games")
                                  .arg(escucha.resumen.partidas)
                                  .arg(partidas));
    anotarTiempos(escucha.resumen);
    return escucha.resumen;
}

void Simulador::escuchar(Escucha &e)
{
    const GameState &estado = e.sesion.juego().estado();
    e.sesion.vista().setAlContar([&e, &estado](const ResultadoDeMano &r) {
        if (e.verificador)
            e.verificador->alContar(estado, r.cpu, r.humano);
        ++e.resumen.manos;
        if (e.oyente)
            e.oyente->alTerminarMano();
        // After the table was collected; what is left there nobody lifted.
        if (e.alTerminarMano)
            e.alTerminarMano(ResultadoMano { e.resumen.manos, r.cpu, r.humano,
                                             estado.lamesa.count(), ganador(r.ganador) });
    });
    e.sesion.vista().setAlGanar([&e, &estado] {
        ++e.resumen.partidas;
        if (estado.jugadorCpu.puntos() > estado.jugadorHumano.puntos())
            ++e.resumen.partidasCpu;
        else
            ++e.resumen.partidasHumano;
        if (e.verificador)
            e.verificador->alTerminarPartida();
        if (e.oyente)
            e.oyente->alTerminarPartida(estado.jugadorHumano.puntos() > estado.jugadorCpu.puntos());
    });
    e.sesion.dialogos().setAlPreguntar(
        [&e](const QString &) { return e.resumen.partidas < e.partidas; });
    if (e.verificador)
        e.sesion.vista().setAlActualizar([&e, &estado] { e.verificador->trasActualizar(estado); });
}

void Simulador::jugarHastaElFinal(Escucha &e, RandomHuman &humano)
{
    if (e.verificador)
        e.verificador->comprobar();
    while (humano.puedeJugar()) {
        if (e.verificador)
            e.verificador->antesDelHumano();
        if (e.oyente)
            e.oyente->antesDeJugar(
                VistaDificil::desdeEstado(e.sesion.juego().estado(), Lado::Humano));
        e.sesion.jugar(humano);
        if (e.oyente)
            e.oyente->trasJugar(humano.ultimaJugada());
        if (e.verificador)
            e.verificador->comprobar();
    }
    if (!e.sesion.juego().terminado())
        throw SimulacionError(QStringLiteral("the game waits with an empty hand"));
}

QString Simulador::guardarTras(int movimientos, const QString &fichero)
{
    JuegoSinVentana sesion(m_programDir, m_azarJuego);
    RandomHuman humano(sesion.juego(), m_azarHumano);
    sentar(sesion.juego(), humano);
    // Games go on for as long as the moves last.
    sesion.dialogos().setAlPreguntar([](const QString &) { return true; });
    sesion.iniciar();
    for (int i = 0; i < movimientos; ++i) {
        if (!humano.puedeJugar())
            throw SimulacionError(QStringLiteral("the game waits with an empty hand"));
        sesion.jugar(humano);
    }
    sesion.guardar(fichero);
    return sesion.posicion();
}

QString Simulador::cargar(const QString &fichero, const QString &guardarEn)
{
    JuegoSinVentana sesion(m_programDir, m_azarJuego);
    sesion.iniciar();
    sesion.cargar(fichero);
    if (!guardarEn.isEmpty())
        sesion.guardar(guardarEn);
    return sesion.posicion();
}
