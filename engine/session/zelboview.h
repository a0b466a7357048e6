// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "imagen.h"
#include "jugada.h"
#include "planturnocpu.h"
#include "resultadodemano.h"

#include <QString>
#include <QtGlobal>
#include <functional>

// What a view that tells the hand's end on the board shows of it.
struct ResumenDeMano
{
    ResultadoDeMano resultado;
    QString veredicto; // "Ana gana la mano", as the hand's box says it
    QString cartas; // "23 cartas contra 17", the winner's pile first
    // The scores with this hand's point.
    int puntosCpu = 0;
    int puntosHumano = 0;
};

// The turn sign. The last round's sign names nobody: the game says who plays
// (ZelboGame::juega).
struct Cartel
{
    QString texto;
    bool ultimaRonda = false;
};

// Everything the game asks of the window it is shown in. The main window
// implements it; tests and the simulator put in their own.
class ZelboView
{
public:
    virtual ~ZelboView() = default;

    // Redraws every picture, cover and counter from the game state, then
    // clears the table and hand marks.
    virtual void UpdateForm() = 0;
    // Loads the card back into the three covers over the CPU's hand; false
    // when the picture cannot be loaded.
    virtual bool cargarReverso(const QString &ruta) = 0;
    virtual void aplicarColorFondo(qint32 color) = 0;
    virtual void mostrarVentana() = 0;
    virtual void setCartel(const Cartel &cartel) = 0;
    // A hand was scored: its pile counters are shown, before the hand is announced.
    virtual void mostrarResultadoMano(const ResultadoDeMano &resultado) = 0;
    // The two scores, as soon as a hand has changed them.
    virtual void mostrarPuntajes(int cpu, int humano) = 0;
    // The heading over the human's score.
    virtual void mostrarNombreJugador(const QString &nombre) = 0;
    // The CPU has chosen its move, legal in antes, the position it is played from: the view
    // tells it and plays its beats (PlanTurnoCpu::de), each beat's mark shown on the board
    // beside the marks of the state, each picture enlarged (a CPU card uncovered) for its
    // pause, then as before; then calls listo, once. The state is antes all along. Views
    // that show nothing call listo at once.
    virtual void mostrarTurnoCpu(const Jugada &jugada, const GameState &antes,
                                 std::function<void()> listo)
        = 0;
    // The human's move, legal in antes, the position it is played from, is about to be
    // carried out.
    virtual void mostrarJugadaHumano(const Jugada &jugada, const GameState &antes)
    {
        Q_UNUSED(jugada)
        Q_UNUSED(antes)
    }
    // Deshacer took back, or Rehacer played again, the human's move that frase tells as
    // the history does; the board already shows the turn gone back or forward to.
    virtual void jugadaDeshecha(const QString &frase) { Q_UNUSED(frase) }
    virtual void jugadaRehecha(const QString &frase) { Q_UNUSED(frase) }
    // Cards were dealt to both hands, and on a hand's first deal to the table as well;
    // the board shows them already.
    virtual void repartido(bool primero) { Q_UNUSED(primero) }
    // Loads the results window, hidden; throws ZelboError when it cannot.
    virtual void prepararResultados() = 0;
    // The results window, modal to the game's window: the winner's name, the winner's
    // and the loser's points, and which side won (Cpu or Humano), as the names alone
    // may be the same. Returns at once; alCerrar runs when the player closes it.
    virtual void Dialogo(const QString &nombre, int num1, int num2,
                         ResultadoDeMano::Ganador ganador, std::function<void()> alCerrar)
        = 0;
    // An ordinary mistake of the player's move, told by the view itself; false leaves it
    // to the game's message box.
    virtual bool avisoDeJugada(const QString &texto)
    {
        Q_UNUSED(texto)
        return false;
    }
    // Whether the hand's end and the game's results are told on the board itself,
    // by resumenDeMano and resultadosEnTablero, rather than in the game's message
    // boxes and the results window.
    virtual bool finDeManoEnTablero() const { return false; }
    // The hand's summary on the board; alCerrar runs once, when the player has
    // dismissed it, and the game goes on.
    virtual void resumenDeMano(const ResumenDeMano &resumen, std::function<void()> alCerrar)
    {
        Q_UNUSED(resumen)
        alCerrar();
    }
    // The results on the board, as Dialogo gives them, with "¿Jugar de nuevo?" as
    // its buttons: alResponder runs once, with true for another game.
    virtual void resultadosEnTablero(const QString &nombre, int num1, int num2,
                                     ResultadoDeMano::Ganador ganador,
                                     std::function<void(bool otraPartida)> alResponder)
    {
        Q_UNUSED(nombre)
        Q_UNUSED(num1)
        Q_UNUSED(num2)
        Q_UNUSED(ganador)
        alResponder(false);
    }
    // The game waits for the player's move: every step of the move before is done.
    virtual void turnoDelJugador() { }
    // The board shows a position put there other than by play (a new hand or game, a
    // move taken back or forward, a game opened or resumed): frase is the CPU's move
    // in words when the human's turn answers one, empty when it answers none. Any move
    // told before it is no longer true.
    virtual void jugadaVigente(const QString &frase) { Q_UNUSED(frase) }
    // Starts another program without waiting; false when it cannot be started.
    virtual bool iniciarPrograma(const QString &lineaDeOrdenes) = 0;
    // The program ends with this status; no game procedure runs after it.
    virtual void Salir(int estado) = 0;
};
