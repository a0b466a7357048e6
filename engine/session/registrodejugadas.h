// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include "jugadasdelapartida.h"
#include "resultadodemano.h"
#include <QCoreApplication>

#include <QStringList>

// The game told in words, newest last: a heading for each game and hand, every
// move of both players, and each hand's result with both piles. Undo puts back
// the lines of the position it returns to.
class RegistroDeJugadas
{
    Q_DECLARE_TR_FUNCTIONS(RegistroDeJugadas)

public:
    const QStringList &lineas() const { return m_lineas; }
    // The current game's lines, from its heading on: what undo keeps of a
    // position. The games before never change, and a long session would make
    // every kept copy longer.
    QStringList lineasDeLaPartida() const { return m_lineas.mid(m_inicioPartida); }
    // Puts back the current game's lines as lineasDeLaPartida() gave them; trasCpu when
    // their last line is the CPU's move, as ultimaJugadaCpu() said of them.
    void setLineasDeLaPartida(const QStringList &lineas, bool trasCpu = false);
    // The CPU's move in words when it is the last thing the game tells, the move the
    // human's turn answers; empty when the human opens the hand or the game.
    QString ultimaJugadaCpu() const;
    // The hands of the current game begun so far, as a position taken back or resumed has
    // them: the next hand's heading follows.
    void setManos(int manos) { m_manos = manos; }
    // The current game's moves with their positions, or the last game's until the next begins.
    const JugadasDeLaPartida &jugadas() const { return m_jugadas; }
    // A log nobody reads (the simulator's) writes no sentence.
    void setActivo(bool activo) { m_activo = activo; }

    void nuevaPartida(int numero);
    void partidaAbierta();
    // Called before the first deal of a hand.
    void nuevaMano();
    // The moves, told from the position before them.
    void jugadaCpu(const GameState &antes, const Jugada &jugada);
    void jugadaHumano(const GameState &antes, const Jugada &jugada);
    // The human's lift as the marks set it up (already validated).
    static Jugada levantamiento(const GameState &antes);
    // Called before the hand is scored: the table still lies where it lay.
    void finDeMano(const GameState &antes);

    static QString resultado(const ResultadoDeMano &r, const QString &nombreHumano);

private:
    void anotar(const GameState &antes, Lado lado, const Jugada &jugada);

    QStringList m_lineas;
    JugadasDeLaPartida m_jugadas;
    qsizetype m_inicioPartida = 0; // where the current game's heading stands
    qsizetype m_lineaCpu = -1; // where the CPU's last move is told, -1 for nowhere
    int m_manos = 0;
    bool m_activo = true;
};
