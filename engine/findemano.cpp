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

void FinDeMano::aviso(const QString &texto)
{
    m_dialogos.mensaje(texto, DialogService::kTitulo, Botones::Ok, Icono::Ninguno);
}

bool FinDeMano::ContarPuntajes()
{
    if (m_estado.ultimoEnLevantar == QLatin1String("p1"))
        Captura::RecogerMesa(m_estado, m_estado.player1Lev);
    else if (m_estado.ultimoEnLevantar == QLatin1String("p2"))
        Captura::RecogerMesa(m_estado, m_estado.player2Lev);
    m_vista.mostrarContadores(m_estado.player1Lev.count(), m_estado.player2Lev.count());
    puntuarMano();
    // The board agrees with the results window that may follow.
    m_vista.mostrarPuntajes(m_estado.jugadorCpu.puntos(), m_estado.jugadorHumano.puntos());
    classPlayer &cpu = m_estado.jugadorCpu;
    classPlayer &humano = m_estado.jugadorHumano;
    bool otraPartida = false;
    if (cpu.puntos() >= kPuntosParaGanar || humano.puntos() >= kPuntosParaGanar) {
        MostrarGanador();
        PreguntarOtraPartida();
        cpu.a_puntos(0);
        humano.a_puntos(0);
        otraPartida = true;
    }
    m_estado.ReiniciarMano();
    return otraPartida;
}

void FinDeMano::puntuarMano()
{
    const int cpu = m_estado.player1Lev.count();
    const int humano = m_estado.player2Lev.count();
    if (cpu > humano) {
        aviso(QStringLiteral("Cpu gana la mano"));
        m_estado.jugadorCpu.a_puntos(static_cast<std::int16_t>(m_estado.jugadorCpu.puntos() + 1));
    } else if (humano > cpu) {
        aviso(m_estado.jugadorHumano.nombre() + QStringLiteral(" gana la mano"));
        m_estado.jugadorHumano.a_puntos(
            static_cast<std::int16_t>(m_estado.jugadorHumano.puntos() + 1));
    } else {
        aviso(QStringLiteral("Mano empatada"));
    }
}

void FinDeMano::MostrarGanador()
{
    const int a = m_estado.jugadorCpu.puntos();
    const int b = m_estado.jugadorHumano.puntos();
    if (a > b)
        m_vista.Dialogo(m_estado.jugadorCpu.nombre(), a, b);
    else if (a < b)
        m_vista.Dialogo(m_estado.jugadorHumano.nombre(), b, a);
}

void FinDeMano::PreguntarOtraPartida()
{
    const Respuesta r
        = m_dialogos.mensaje(QStringLiteral("¿Jugar de nuevo?"), QStringLiteral("Fin de Juego"),
                             Botones::YesNo, Icono::Pregunta);
    if (r == Respuesta::No)
        m_terminar();
}
