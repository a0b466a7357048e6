// SPDX-License-Identifier: GPL-3.0-or-later

#include "turnosdeljuego.h"

#include "captura.h"
#include "legalidad.h"
#include "seleccion.h"
#include "zelboerror.h"
#include "zelbomod.h"

using Botones = DialogService::Botones;
using Icono = DialogService::Icono;
using Respuesta = DialogService::Respuesta;

namespace {
constexpr int kCartas = Mazo::kCartas;
} // namespace

TurnosDelJuego::TurnosDelJuego(GameState &estado, ZelboView &vista, DialogService &dialogos,
                               RandomSource &azar, GuardiaDelJuego &guardia,
                               HistoriaDeLaPartida &historia, std::function<void()> terminar)
    : m_estado(estado)
    , m_vista(vista)
    , m_dialogos(dialogos)
    , m_azar(azar)
    , m_guardia(guardia)
    , m_historia(historia)
    , m_finDeMano(estado, vista, dialogos, std::move(terminar))
{
    m_finDeMano.setAlTerminar(
        [this] {
            if (m_conservada)
                m_conservada->manoTerminada(m_estado);
        },
        [this] {
            m_fase = Fase::FinDePartida;
            if (m_conservada)
                m_conservada->partidaTerminada(m_estado);
        });
}

void TurnosDelJuego::SiguienteTurno()
{
    m_fase = Fase::EntreTurnos;
    const GameState &e = m_estado;
    if (e.player1.isEmpty() && e.player2.isEmpty()) {
        if (e.cartasRepartidas == kCartas) {
            // A move that ends the hand gets no reply to wait for.
            m_porRevisar.reset();
            m_fase = Fase::FinDeMano;
            if (m_vista.finDeManoEnTablero()) {
                ContarPuntajes();
                return;
            }
            m_dialogos.abrirMensaje(m_contandoPuntajes, DialogService::kTitulo, Botones::Ok,
                                    Icono::Ninguno, {},
                                    m_guardia.despues([this](Respuesta) { ContarPuntajes(); }));
            return;
        }
        Repartir();
    }
    darTurno();
}

void TurnosDelJuego::ContarPuntajes()
{
    m_historia.registro().finDeMano(m_estado);
    m_finDeMano.ContarPuntajes(m_guardia.despues([this](bool otraPartida) {
        if (otraPartida) {
            m_otraPartida();
            return;
        }
        Repartir();
        darTurno();
    }));
}

void TurnosDelJuego::Repartir()
{
    GameState &e = m_estado;
    if (e.primerReparto)
        m_historia.registro().nuevaMano();
    const bool primero = e.primerReparto;
    Zelbomod::Repartir(e.lamesa, e.player1, e.player2, e.mazo, kCartas, e.cartasRepartidas,
                       e.primerReparto, 3, 3, 4, m_azar);
    UpdateForm();
    m_vista.repartido(primero);
}

// The side to play gets the turn: the CPU plays at once, the human is waited for.
void TurnosDelJuego::darTurno()
{
    GameState &e = m_estado;
    if (e.turno == Lado::Cpu) {
        m_vista.setCartel({ m_carteles.cpu() });
        e.turno = Lado::Humano;
        TurnoCpu();
        return;
    }
    if (e.turno != Lado::Humano)
        return;
    m_vista.setCartel({ m_carteles.humano(e.jugadorHumano.nombre()) });
    e.turno = Lado::Cpu;
    m_porRevisar.reset();
    m_historia.anotarTurnoHumano();
    if (m_conservada)
        m_conservada->turnoHumano(e);
    if (ultimaRonda())
        cartelDelJugador();
    esperarAlJugador();
}

void TurnosDelJuego::reanudar()
{
    m_vista.setCartel({ m_carteles.humano(m_estado.jugadorHumano.nombre()) });
    if (ultimaRonda())
        cartelDelJugador();
    esperarAlJugador();
}

Lado TurnosDelJuego::juega() const
{
    // The turn, once given, passes to the other side.
    switch (m_estado.turno) {
    case Lado::Cpu:
        return Lado::Humano;
    case Lado::Humano:
        return Lado::Cpu;
    case Lado::Nadie:
        break;
    }
    return Lado::Nadie;
}

// The last round's sign names nobody; it stays while the human is to play.
void TurnosDelJuego::cartelDelJugador()
{
    if (ultimaRonda())
        m_vista.setCartel({ m_carteles.ultimaRonda(), true });
    else
        m_vista.setCartel({ m_carteles.humano(m_estado.jugadorHumano.nombre()) });
}

// Every move is done: the game rests until the player's next move, or carries out
// what was asked for meanwhile.
void TurnosDelJuego::esperarAlJugador()
{
    m_fase = Fase::EsperaAlJugador;
    if (m_alEsperar && m_alEsperar())
        return;
    m_vista.turnoDelJugador();
}

void TurnosDelJuego::UpdateForm()
{
    Seleccion::LimpiarSeleccion(m_estado.marcas);
    if (m_estado.player1Lev.isEmpty())
        m_estado.marcas.CheckMonton[0] = false;
    if (m_estado.player2Lev.isEmpty())
        m_estado.marcas.CheckMonton[1] = false;
    m_vista.UpdateForm();
}

void TurnosDelJuego::jugarHumano(const Jugada &jugada)
{
    m_historia.registro().jugadaHumano(m_estado, jugada);
    m_vista.mostrarJugadaHumano(jugada, m_estado);
    if (m_tutor)
        m_porRevisar.emplace(m_estado, jugada);
    switch (jugada.tipo) {
    case Jugada::Tipo::Tirar:
        TirarCarta(jugada.carta, m_estado.player2);
        break;
    case Jugada::Tipo::AlMonton:
        TirarAlMonton(Imagen { GrupoImagen::cartap2img, jugada.carta });
        break;
    case Jugada::Tipo::LevantarMonton:
    case Jugada::Tipo::LevantarMesa:
        Levantar();
        break;
    }
}

void TurnosDelJuego::jugadaHumana()
{
    if (m_conservada)
        m_conservada->jugadaHumana(m_estado);
}

void TurnosDelJuego::TirarCarta(int slot, CardList &mano)
{
    if (&mano == &m_estado.player2)
        jugadaHumana();
    m_estado.lamesa.append(mano.at(slot));
    mano.removeAt(slot);
    UpdateForm();
    SiguienteTurno();
}

void TurnosDelJuego::TirarAlMonton(const Imagen &fuente)
{
    const bool humano = fuente.grupo == GrupoImagen::cartap2img;
    CardList &mano = humano ? m_estado.player2 : m_estado.player1;
    CardList &monton = humano ? m_estado.player2Lev : m_estado.player1Lev;
    if (humano)
        jugadaHumana();
    monton.insert(0, mano.at(fuente.indice));
    mano.removeAt(fuente.indice);
    UpdateForm();
    SiguienteTurno();
}

// The human's lift, as the marks make it.
void TurnosDelJuego::Levantar()
{
    jugadaHumana();
    Captura::Levantar(m_estado, Lado::Humano);
    UpdateForm();
    SiguienteTurno();
}

// The tutor, when there is one, has its say on the human's move first. Then the CPU
// chooses, off the window's thread when a thinker is set; its move is told, shown beat by
// beat, then carried out.
void TurnosDelJuego::TurnoCpu()
{
    // A mark the human put on the own pile must not steer the CPU's choice.
    m_estado.marcas.CheckMonton[1] = false;
    if (m_tutor && m_porRevisar) {
        m_fase = Fase::Tutor;
        const auto [antes, jugada] = *std::exchange(m_porRevisar, std::nullopt);
        m_tutor->revisar(antes, jugada, m_guardia.despues([this] { TurnoCpu(); }));
        return;
    }
    m_fase = Fase::PiensaCpu;
    m_cpu.pensar(m_estado,
                 m_guardia.despues([this](const Jugada &jugada) { mostrarJugadaCpu(jugada); }));
}

void TurnosDelJuego::mostrarJugadaCpu(const Jugada &jugada)
{
    if (!Legalidad::esLegal(m_estado, jugada, Lado::Cpu))
        throw ZelboError(tr("La CPU eligió una jugada no válida."));
    m_historia.registro().jugadaCpu(m_estado, jugada);
    m_fase = Fase::CompasesCpu;
    m_vista.mostrarTurnoCpu(jugada, m_estado,
                            m_guardia.despues([this, jugada] { jugarCpu(jugada); }));
}

void TurnosDelJuego::jugarCpu(const Jugada &jugada)
{
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        TirarAlMonton(Imagen { GrupoImagen::cartap1img, jugada.carta });
        break;
    case Jugada::Tipo::LevantarMonton:
    case Jugada::Tipo::LevantarMesa:
        Captura::Levantar(m_estado, jugada, Lado::Cpu);
        UpdateForm();
        SiguienteTurno();
        break;
    case Jugada::Tipo::Tirar:
        TirarCarta(jugada.carta, m_estado.player1);
        break;
    }
}
