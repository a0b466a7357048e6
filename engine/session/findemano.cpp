// SPDX-License-Identifier: GPL-3.0-or-later

#include "findemano.h"

#include "captura.h"

#include <algorithm>
#include <utility>

using Botones = DialogService::Botones;
using Icono = DialogService::Icono;
using Respuesta = DialogService::Respuesta;

namespace {
constexpr int kPuntosParaGanar = 3;
} // namespace

FinDeMano::FinDeMano(GameState &estado, ZelboView &vista, DialogService &dialogos,
                     std::function<void()> terminar)
    : m_estado(estado)
    , m_vista(vista)
    , m_dialogos(dialogos)
    , m_terminar(std::move(terminar))
{
}

// The piles in the order the verdict names the sides: the winner's first, so
// under "Cpu gana la mano" the first count is the CPU's; a tie starts with the human's.
QString FinDeMano::cartasDeMano(const ResultadoDeMano &resultado)
{
    const bool cpuPrimero = resultado.ganador == ResultadoDeMano::Ganador::Cpu;
    const int primero = cpuPrimero ? resultado.cpu : resultado.humano;
    const int segundo = cpuPrimero ? resultado.humano : resultado.cpu;
    return tr("%1 cartas contra %2").arg(primero).arg(segundo);
}

void FinDeMano::ContarPuntajes(std::function<void(bool otraPartida)> luego)
{
    if (m_estado.ultimoEnLevantar == Lado::Cpu)
        Captura::RecogerMesa(m_estado, m_estado.player1Lev);
    else if (m_estado.ultimoEnLevantar == Lado::Humano)
        Captura::RecogerMesa(m_estado, m_estado.player2Lev);
    const ResultadoDeMano resultado
        = ResultadoDeMano::dePilas(m_estado.player1Lev.count(), m_estado.player2Lev.count());
    m_vista.mostrarResultadoMano(resultado);
    auto seguir = [this, resultado, luego = std::move(luego)] {
        puntuarMano(resultado);
        if (m_estado.jugadorCpu.puntos() < kPuntosParaGanar
            && m_estado.jugadorHumano.puntos() < kPuntosParaGanar) {
            terminarMano(false);
            luego(false);
            return;
        }
        if (m_alTerminarPartida)
            m_alTerminarPartida();
        terminarPartida([this, luego] {
            m_estado.jugadorCpu.a_puntos(0);
            m_estado.jugadorHumano.a_puntos(0);
            terminarMano(true);
            luego(true);
        });
    };
    if (m_vista.finDeManoEnTablero()) {
        m_vista.resumenDeMano(resumenDe(resultado), std::move(seguir));
        return;
    }
    OpcionesMensaje opciones;
    opciones.informativo = cartasDeMano(resultado);
    m_dialogos.abrirMensaje(resultado.texto(m_estado.jugadorHumano.nombre()),
                            DialogService::kTitulo, Botones::Ok, Icono::Ninguno, opciones,
                            [seguir = std::move(seguir)](Respuesta) { seguir(); });
}

// The board's summary: the box's words, and the scores as the hand's point leaves them.
ResumenDeMano FinDeMano::resumenDe(const ResultadoDeMano &resultado) const
{
    ResumenDeMano resumen;
    resumen.resultado = resultado;
    resumen.veredicto = resultado.texto(m_estado.jugadorHumano.nombre());
    resumen.cartas = cartasDeMano(resultado);
    resumen.puntosCpu
        = m_estado.jugadorCpu.puntos() + (resultado.ganador == ResultadoDeMano::Ganador::Cpu);
    resumen.puntosHumano
        = m_estado.jugadorHumano.puntos() + (resultado.ganador == ResultadoDeMano::Ganador::Humano);
    return resumen;
}

// The results and the question, in windows or on the board.
void FinDeMano::terminarPartida(std::function<void()> siOtra)
{
    if (!m_vista.finDeManoEnTablero()) {
        MostrarGanador([this, siOtra = std::move(siOtra)] { PreguntarOtraPartida(siOtra); });
        return;
    }
    const int a = m_estado.jugadorCpu.puntos();
    const int b = m_estado.jugadorHumano.puntos();
    const bool ganaCpu = a > b;
    m_vista.resultadosEnTablero(
        ganaCpu ? m_estado.jugadorCpu.nombre() : m_estado.jugadorHumano.nombre(), std::max(a, b),
        std::min(a, b), ganaCpu ? ResultadoDeMano::Ganador::Cpu : ResultadoDeMano::Ganador::Humano,
        [this, siOtra = std::move(siOtra)](bool otraPartida) {
            if (otraPartida)
                siOtra();
            else
                m_terminar();
        });
}

// The hand's point, once its box is closed; the board agrees with the results
// window that may follow.
void FinDeMano::puntuarMano(const ResultadoDeMano &resultado)
{
    classPlayer *ganador = nullptr;
    if (resultado.ganador == ResultadoDeMano::Ganador::Cpu)
        ganador = &m_estado.jugadorCpu;
    else if (resultado.ganador == ResultadoDeMano::Ganador::Humano)
        ganador = &m_estado.jugadorHumano;
    if (ganador)
        ganador->a_puntos(static_cast<std::int16_t>(ganador->puntos() + 1));
    m_vista.mostrarPuntajes(m_estado.jugadorCpu.puntos(), m_estado.jugadorHumano.puntos());
    if (m_alTerminarMano)
        m_alTerminarMano();
}

void FinDeMano::terminarMano(bool otraPartida)
{
    m_estado.numeroDeMano = otraPartida ? 1 : m_estado.numeroDeMano + 1;
    m_estado.ReiniciarMano();
}

void FinDeMano::MostrarGanador(std::function<void()> luego)
{
    const int a = m_estado.jugadorCpu.puntos();
    const int b = m_estado.jugadorHumano.puntos();
    if (a > b)
        m_vista.Dialogo(m_estado.jugadorCpu.nombre(), a, b, ResultadoDeMano::Ganador::Cpu,
                        std::move(luego));
    else
        m_vista.Dialogo(m_estado.jugadorHumano.nombre(), b, a, ResultadoDeMano::Ganador::Humano,
                        std::move(luego));
}

void FinDeMano::PreguntarOtraPartida(std::function<void()> siOtra)
{
    m_dialogos.abrirMensaje(tr("¿Jugar de nuevo?"), tr("Fin de Juego"), Botones::YesNo,
                            Icono::Pregunta, {}, [this, siOtra = std::move(siOtra)](Respuesta r) {
                                if (r == Respuesta::No)
                                    m_terminar();
                                else
                                    siOtra();
                            });
}
