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
// aviso() before the CPU replies. Off, the CPU's turn follows at once.
class TutorEnHilo : public QObject, public TutorJugadas
{
    Q_OBJECT

public:
    // Points of the chance to win the game lost against the best move from
    // which the player is warned.
    static constexpr double kPerdidaAvisada = RevisionJugada::kError;

    explicit TutorEnHilo(std::function<bool()> activo, int muestras = EstimadorVictoria::kMuestras,
                         QObject *parent = nullptr);

    void revisar(const GameState &antes, const Jugada &jugada, Listo listo) override;

    // What the player is told of a judged move; empty when it is not worth a word.
    static QString nota(const GameState &antes, const RevisionJugada &revision);

signals:
    void aviso(const QString &texto);
    // Every move of the human, with the position before it, whether the tutor is on or not.
    void jugadaDelHumano(const GameState &antes, const Jugada &jugada);

private:
    std::function<bool()> m_activo;
    RevisorDeJugadas m_revisor;
    // Gone with the tutor: a move being judged is stopped and nothing is said of it.
    TrabajoDeFondo m_trabajo;
};
