// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "estimadorvictoria.h"
#include "revisionjugada.h"
#include "revisordejugadas.h"
#include "trabajodefondo.h"
#include "tutorjugadas.h"

#include <QObject>
#include <QString>
#include <functional>

// The tutor of the window: while it is on, each move of the human is judged
// off the window's thread from what the human could see before it, and a move
// that loses enough chance to win against the best one is pointed out by
// aviso() before the CPU replies. The chances are those against the CPU's level
// in force, as the bar and the hint judge them: the hint's move is the best one
// and never draws a word. Off, the CPU's turn follows at once.
class TutorEnHilo : public QObject, public TutorJugadas
{
    Q_OBJECT

public:
    // Points of the chance to win the game lost against the best move from
    // which the player is warned.
    static constexpr double kPerdidaAvisada = RevisionJugada::kError;

    // activo says whether the tutor is on, nivel the CPU's level. After a note the
    // CPU's reply waits esperaMs, so that the note is seen and heard before it.
    TutorEnHilo(std::function<bool()> activo, std::function<NivelCpu()> nivel, int esperaMs = 0,
                int muestras = EstimadorVictoria::kMuestras, QObject *parent = nullptr);

    void revisar(const GameState &antes, const Jugada &jugada, Listo listo) override;

    // What the player is told of a judged move; empty when it is not worth a word.
    static QString nota(const GameState &antes, const RevisionJugada &revision);

signals:
    void aviso(const QString &texto);
    // Every move of the human, with the position before it, whether the tutor is on or not.
    void jugadaDelHumano(const GameState &antes, const Jugada &jugada);

private:
    std::function<bool()> m_activo;
    std::function<NivelCpu()> m_nivel;
    int m_esperaMs;
    int m_muestras;
    // Gone with the tutor: a move being judged is stopped and nothing is said of it.
    TrabajoDeFondo m_trabajo;
};
