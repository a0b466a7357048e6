// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cartelesdeturno.h"
#include "cpudeljuego.h"
#include "dialogservice.h"
#include "findemano.h"
#include "gamestate.h"
#include "guardiadeljuego.h"
#include "historiadelapartida.h"
#include "jugada.h"
#include "keptgamekeeper.h"
#include "lado.h"
#include "randomsource.h"
#include "tutorjugadas.h"
#include "zelboview.h"
#include <QCoreApplication>

#include <QString>
#include <functional>
#include <optional>
#include <utility>

// The turns of a game: the deals, who plays, the human's move carried out, the tutor's
// say and the CPU's reply, and the hand's end. A move changes the state at once; what
// follows it is a chain of steps (the tutor's judgement, the CPU's choice, its beats on
// the board, the boxes of a hand's end), each handed to whoever shows or answers it and
// carried on when that one calls back, at once or later. The step under way is the phase.
class TurnosDelJuego
{
    Q_DECLARE_TR_FUNCTIONS(TurnosDelJuego)

public:
    enum class Fase {
        EntreTurnos, // a hand dealt, or a move carried out and the turn passing
        EsperaAlJugador, // the human is to move
        Tutor, // the tutor judges the human's move before the CPU replies
        PiensaCpu, // the CPU chooses its move
        CompasesCpu, // the CPU's move is shown beat by beat on the board
        FinDeMano, // the hand is scored, its boxes open
        FinDePartida, // a player reached the points of the game: the results, another game?
    };

    // Past this many dealt cards the last round is being played.
    static constexpr int kUltimaRonda = 34;

    // terminar ends the program when the player does not play another game.
    TurnosDelJuego(GameState &estado, ZelboView &vista, DialogService &dialogos, RandomSource &azar,
                   GuardiaDelJuego &guardia, HistoriaDeLaPartida &historia,
                   std::function<void()> terminar);

    // The turn passes: a deal when both hands are empty, the hand's end after its last
    // card, then the side to play gets the turn.
    void SiguienteTurno();
    // The human's move: written down and kept for the tutor, then carried out.
    void jugarHumano(const Jugada &jugada);
    // The kept game taken up, the human to play: the signs of the turn, then the wait.
    void reanudar();
    // The sign of the human's turn; in the last round, the sign that names nobody.
    void cartelDelJugador();
    // Every move ends here: each move and turn starts with no table or hand card
    // marked, and a pile mark goes with its pile.
    void UpdateForm();
    // A new hand is dealt: no turn is under way.
    void entreTurnos() { m_fase = Fase::EntreTurnos; }

    Fase fase() const { return m_fase; }
    // The side whose turn it is, once the turn is given.
    Lado juega() const;
    bool ultimaRonda() const { return m_estado.cartasRepartidas > kUltimaRonda; }

    CpuDelJuego &cpu() { return m_cpu; }
    const CpuDelJuego &cpu() const { return m_cpu; }
    // Who looks at each move of the human before the CPU replies; without one the
    // CPU's turn follows at once. It must outlive the turns.
    void setTutor(TutorJugadas &tutor) { m_tutor = &tutor; }
    // Told of every human turn and move, and of every hand and game ended.
    void setConservada(KeptGameKeeper *conservada) { m_conservada = conservada; }
    // Called when a game was won and the player plays another.
    void setOtraPartida(std::function<void()> otra) { m_otraPartida = std::move(otra); }
    // Called when the player is to play, before the view is told; true when it carried
    // out something instead (a close asked for during the move).
    void setAlEsperar(std::function<bool()> alEsperar) { m_alEsperar = std::move(alEsperar); }

private:
    void ContarPuntajes();
    void Repartir();
    void darTurno();
    void esperarAlJugador();
    void TurnoCpu();
    void mostrarJugadaCpu(const Jugada &jugada);
    void jugarCpu(const Jugada &jugada);
    void TirarCarta(int slot, CardList &mano);
    void TirarAlMonton(const Imagen &fuente);
    void Levantar();
    void jugadaHumana();

    GameState &m_estado;
    ZelboView &m_vista;
    DialogService &m_dialogos;
    RandomSource &m_azar;
    GuardiaDelJuego &m_guardia;
    HistoriaDeLaPartida &m_historia;
    FinDeMano m_finDeMano;
    CpuDelJuego m_cpu;
    CartelesDeTurno m_carteles;
    TutorJugadas *m_tutor = nullptr;
    KeptGameKeeper *m_conservada = nullptr;
    std::function<void()> m_otraPartida;
    std::function<bool()> m_alEsperar;
    // The human's last move and the position before it, for the tutor, until the
    // CPU's turn that replies to it.
    std::optional<std::pair<GameState, Jugada>> m_porRevisar;
    // Told at every hand's end, translated once: the language is chosen before the game is made.
    const QString m_contandoPuntajes = tr("Contando puntajes");
    Fase m_fase = Fase::EntreTurnos;
};
