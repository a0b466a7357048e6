// SPDX-License-Identifier: GPL-3.0-or-later

#include "demostracionenmesa.h"

#include "ajustesjuego.h"
#include "animadortablero.h"
#include "anunciador.h"
#include "compasescpu.h"
#include "electorenhilo.h"
#include "frasejugada.h"
#include "mesa.h"
#include "velocidadcpu.h"

#include <QPointer>
#include <QTimer>
#include <utility>

namespace {

// How long a hand's verdict and a game's winner stay before the demonstration goes on, at the
// normal speed: long enough to read them, or hear them.
constexpr int kPausaFinal = 3000;

} // namespace

DemostracionEnMesa::DemostracionEnMesa(const Tablero &tablero, const Ubicaciones &lugares,
                                       DialogService &dialogos, std::uint64_t semilla,
                                       NivelCpu nivel, std::function<void()> alFallar,
                                       QObject *parent)
    : QObject(parent)
    , m_tablero(tablero)
    , m_compases(new CompasesCpu(
          tablero.mesa, tablero.animador, *this, tablero.ajustes,
          [this](const Marcas &marcas) { m_tablero.mesa.mostrarMarcas(marcas); }, this))
    , m_alFallar(std::move(alFallar))
    , m_partida(std::make_unique<PartidaDeDemostracion>(lugares, *this, dialogos, semilla, nivel))
{
}

// The thinker goes first: a move it is thinking is stopped before the players it asked go with
// the game.
DemostracionEnMesa::~DemostracionEnMesa()
{
    m_enHilo.reset();
    m_partida.reset();
}

void DemostracionEnMesa::elegirEnHilo()
{
    m_enHilo = std::make_unique<ElectorEnHilo>();
    m_partida->setElectorEnEspera(*m_enHilo);
}

void DemostracionEnMesa::iniciar()
{
    m_tablero.mesa.mostrarNombreJugador(m_partida->estado().jugadorHumano.nombre());
    m_partida->iniciar();
}

void DemostracionEnMesa::esperar(int milisegundos, std::function<void()> luego)
{
    m_tablero.pausa.esperar(milisegundos, [vivo = QPointer(this), luego = std::move(luego)] {
        if (vivo)
            luego();
    });
}

void DemostracionEnMesa::UpdateForm()
{
    const GameState &e = m_partida->estado();
    Mesa &mesa = m_tablero.mesa;
    mesa.mostrarPuntajes(e.jugadorCpu.puntos(), e.jugadorHumano.puntos());
    mesa.mostrarContadores(e.player1Lev.count(), e.player2Lev.count());
    mesa.mostrarEstado(e);
    mesa.mostrarMarcas(e.marcas);
    m_tablero.animador.refrescado(e);
}

void DemostracionEnMesa::setCartel(const Cartel &cartel)
{
    m_tablero.mesa.mostrarCartel(cartel.texto);
}

void DemostracionEnMesa::mostrarResultadoMano(const ResultadoDeMano &resultado)
{
    m_tablero.mesa.mostrarContadores(resultado.cpu, resultado.humano);
}

void DemostracionEnMesa::mostrarPuntajes(int cpu, int humano)
{
    m_tablero.mesa.mostrarPuntajes(cpu, humano);
}

void DemostracionEnMesa::mostrarNombreJugador(const QString &nombre)
{
    m_tablero.mesa.mostrarNombreJugador(nombre);
}

void DemostracionEnMesa::mostrarTurnoCpu(const Jugada &jugada, const GameState &antes,
                                         std::function<void()> listo)
{
    ++m_jugadasArriba;
    tocar(jugada, antes, Lado::Cpu, std::move(listo));
}

void DemostracionEnMesa::tocar(const Jugada &jugada, const GameState &antes, Lado lado,
                               std::function<void()> listo)
{
    m_tablero.anunciador.decir(FraseJugada::demostracion(antes, jugada, lado));
    m_tablero.mesa.mostrarTurno(lado);
    m_compases->tocar(PlanTurnoCpu::de(jugada, lado), antes.marcas, std::move(listo));
}

// The bottom seat plays from the event loop, not from inside the move before it: a game of
// moves one inside the other would only unwind when the demonstration ends.
void DemostracionEnMesa::turnoDelJugador()
{
    QTimer::singleShot(0, this, [this] {
        if (!m_partida->juegaAbajo())
            return;
        m_partida->pensarAbajo([this](const Jugada &jugada) {
            const GameState antes = m_partida->estado();
            ++m_jugadasAbajo;
            tocar(jugada, antes, Lado::Humano, [this, jugada] { m_partida->jugarAbajo(jugada); });
        });
    });
}

void DemostracionEnMesa::Dialogo(const QString &, int, int, ResultadoDeMano::Ganador,
                                 std::function<void()> alCerrar)
{
    alCerrar();
}

void DemostracionEnMesa::pausaLarga(const QString &texto, std::function<void()> luego)
{
    m_tablero.anunciador.decir(texto);
    esperar(VelocidadesCpu::escalar(kPausaFinal, m_tablero.ajustes.velocidad()), std::move(luego));
}

void DemostracionEnMesa::resumenDeMano(const ResumenDeMano &resumen, std::function<void()> alCerrar)
{
    pausaLarga(tr("%1, %2. Puntos: CPU 1 %3, CPU 2 %4")
                   .arg(resumen.veredicto, resumen.cartas)
                   .arg(resumen.puntosCpu)
                   .arg(resumen.puntosHumano),
               std::move(alCerrar));
}

void DemostracionEnMesa::resultadosEnTablero(const QString &nombre, int num1, int num2,
                                             ResultadoDeMano::Ganador,
                                             std::function<void(bool otraPartida)> alResponder)
{
    pausaLarga(tr("%1 gana la partida, %2 a %3. Empieza otra").arg(nombre).arg(num1).arg(num2),
               [alResponder = std::move(alResponder)] { alResponder(true); });
}

void DemostracionEnMesa::Salir(int)
{
    QTimer::singleShot(0, this, [this] { m_alFallar(); });
}
