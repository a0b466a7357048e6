// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "mersennerandom.h"
#include "zelbogame.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// A seeded game whose human turns can be tried any number of ways: an input
// that plays a move is taken back with Deshacer.
class BancoDeJuego
{
public:
    // The table, both hands and both piles, top card first.
    using Listas = QList<QList<int>>;

    // What one input did: the lists at the first board refresh, when it played
    // a move, and the messages shown before that refresh.
    struct Efecto
    {
        std::optional<Listas> jugada;
        QStringList avisos;
    };

    BancoDeJuego(const QString &dir, quint64 semilla);

    ZelboGame &juego() { return m_juego; }
    const GameState &estado() const { return m_juego.estado(); }
    FakeDialogs &dialogos() { return m_dialogos; }

    Efecto probar(const std::function<void(ZelboGame &)> &entrada);
    // Back to the position before an input that played; false when the game
    // it was played in has ended, and with it its history.
    bool volver(const QString &posicion);

    static Listas listas(const GameState &e);
    // The lists after the human's move, told from the rules of laying and
    // lifting rather than from the game's code.
    static Listas tras(const GameState &e, const Jugada &j);
    // Qt 6.4's QList<int> == hands memcmp a null pointer when both lists are
    // empty, which the sanitizer build stops at; this compares card by card.
    static bool iguales(const Listas &a, const Listas &b);

private:
    FakeView m_vista;
    FakeDialogs m_dialogos;
    MersenneRandom m_azar;
    AjustesJuego m_ajustes;
    ZelboGame m_juego;
    std::optional<Listas> m_primera;
    qsizetype m_avisosAlActualizar = 0;
};
