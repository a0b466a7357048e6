// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"
#include "captura.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "mersennerandom.h"
#include "posicion.h"
#include "testprogramdir.h"
#include "zelbogame.h"

#include <QList>
#include <QStringList>
#include <cstdint>
#include <optional>

// A game with its fake view and dialogs in a program directory of its own,
// with a seeded random source and the preferences file naming "Maquina" (the
// CPU) and "Ana" (the human). The view and the dialogs share one event log.
class TestGame
{
public:
    static inline const QString kCpu = QStringLiteral("Maquina");
    static inline const QString kHumano = QStringLiteral("Ana");

    explicit TestGame(std::uint64_t semilla = 1);

    // The program directory was built; see dir().error() otherwise.
    bool valido() const { return m_valido; }

    ZelboGame &juego() { return m_juego; }
    const GameState &estado() const { return m_juego.estado(); }
    FakeView &vista() { return m_vista; }
    FakeDialogs &dialogos() { return m_dialogos; }
    const TestProgramDir &dir() const { return m_dir; }
    // Board refreshes, captions, pauses, results windows, message boxes and the
    // end of the program, in the order they happened.
    const QStringList &registro() const { return m_registro; }
    // The game state at every board refresh, in order.
    const QList<GameState> &fotos() const { return m_fotos; }
    // The board as the player saw it when the first event logged as evento happened, and
    // the first board shown after it; nothing when there is no such event or board.
    std::optional<GameState> mostradoAntesDe(const QString &evento) const;
    std::optional<GameState> mostradoTrasDe(const QString &evento) const;

    // The program's start; it returns when the human is to play.
    void iniciar();
    // Starts the game and puts the position into it through a saved game, so
    // that the human is to play it. The turn and the last lifter stay as the
    // running game had them. Then forgets everything recorded so far.
    bool cargar(const Posicion &posicion);
    // Plays a short position in which the given participant lifts last, so
    // that the next loaded position starts with that last lifter.
    bool hacerUltimoEnLevantar(Lado quien);
    // Forgets what the view, the dialogs and the event log recorded.
    void limpiar();

private:
    TestProgramDir m_dir;
    bool m_valido = false;
    QStringList m_registro;
    QList<GameState> m_fotos;
    FakeView m_vista;
    FakeDialogs m_dialogos;
    MersenneRandom m_azar;
    AjustesJuego m_ajustes;
    ZelboGame m_juego;
    bool m_iniciado = false;
};
