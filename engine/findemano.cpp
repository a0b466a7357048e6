// SPDX-License-Identifier: GPL-3.0-or-later

#include "findemano.h"

#include "captura.h"

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

void FinDeMano::aviso(const QString &texto, const QString &informativo)
{
    OpcionesMensaje opciones;
    opciones.informativo = informativo;
    m_dialogos.mensaje(texto, DialogService::kTitulo, Botones::Ok, Icono::Ninguno, opciones);
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

bool FinDeMano::ContarPuntajes()
{
    if (m_estado.ultimoEnLevantar == Lado::Cpu)
        Captura::RecogerMesa(m_estado, m_estado.player1Lev);
    else if (m_estado.ultimoEnLevantar == Lado::Humano)
        Captura::RecogerMesa(m_estado, m_estado.player2Lev);
    const ResultadoDeMano resultado
        = ResultadoDeMano::dePilas(m_estado.player1Lev.count(), m_estado.player2Lev.count());
    m_vista.mostrarResultadoMano(resultado);
    puntuarMano(resultado);
    // The board agrees with the results window that may follow.
    m_vista.mostrarPuntajes(m_estado.jugadorCpu.puntos(), m_estado.jugadorHumano.puntos());
    if (m_alTerminarMano)
        m_alTerminarMano();
    classPlayer &cpu = m_estado.jugadorCpu;
    classPlayer &humano = m_estado.jugadorHumano;
    bool otraPartida = false;
    if (cpu.puntos() >= kPuntosParaGanar || humano.puntos() >= kPuntosParaGanar) {
        if (m_alTerminarPartida)
            m_alTerminarPartida();
        MostrarGanador();
        PreguntarOtraPartida();
        cpu.a_puntos(0);
        humano.a_puntos(0);
        otraPartida = true;
    }
    m_estado.numeroDeMano = otraPartida ? 1 : m_estado.numeroDeMano + 1;
    m_estado.ReiniciarMano();
    return otraPartida;
}

void FinDeMano::puntuarMano(const ResultadoDeMano &resultado)
{
    aviso(resultado.texto(m_estado.jugadorHumano.nombre()), cartasDeMano(resultado));
    classPlayer *ganador = nullptr;
    if (resultado.ganador == ResultadoDeMano::Ganador::Cpu)
        ganador = &m_estado.jugadorCpu;
    else if (resultado.ganador == ResultadoDeMano::Ganador::Humano)
        ganador = &m_estado.jugadorHumano;
    if (ganador)
        ganador->a_puntos(static_cast<std::int16_t>(ganador->puntos() + 1));
}

void FinDeMano::MostrarGanador()
{
    const int a = m_estado.jugadorCpu.puntos();
    const int b = m_estado.jugadorHumano.puntos();
    if (a > b)
        m_vista.Dialogo(m_estado.jugadorCpu.nombre(), a, b, ResultadoDeMano::Ganador::Cpu);
    else if (a < b)
        m_vista.Dialogo(m_estado.jugadorHumano.nombre(), b, a, ResultadoDeMano::Ganador::Humano);
}

void FinDeMano::PreguntarOtraPartida()
{
    const Respuesta r = m_dialogos.mensaje(tr("¿Jugar de nuevo?"), tr("Fin de Juego"),
                                           Botones::YesNo, Icono::Pregunta);
    if (r == Respuesta::No)
        m_terminar();
}
