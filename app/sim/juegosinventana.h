// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"
#include "autodialogs.h"
#include "headlessview.h"
#include "randomhuman.h"
#include "zelbogame.h"

#include <QString>

class RandomSource;

// The real game without a window or a person: a view that shows nothing,
// dialogs that answer themselves, and the game reading its card set from the
// program directory. It plays with the initial preferences and neither reads
// nor writes the player's lastprop.dat there, nor the player's settings.
class JuegoSinVentana
{
public:
    JuegoSinVentana(const QString &programDir, RandomSource &azar);

    JuegoSinVentana(const JuegoSinVentana &) = delete;
    JuegoSinVentana &operator=(const JuegoSinVentana &) = delete;

    ZelboGame &juego() { return m_juego; }
    HeadlessView &vista() { return m_vista; }
    AutoDialogs &dialogos() { return m_dialogos; }

    // Program start: the card set, the first deal and, when the CPU has the
    // first turn, its move. Throws SimulacionError when the game fails.
    void iniciar();
    // One move of the human and all the game does after it until the human
    // is to play again (or the run ends). Throws SimulacionError when the game
    // refuses the move or fails.
    RandomHuman::Movimiento jugar(RandomHuman &humano);

    // The game's own save and load, as the menu runs them. A failure throws
    // SimulacionError with the file name and the text the player would read.
    void guardar(const QString &fichero);
    void cargar(const QString &fichero);

    // "dealt=<n> table=<n> cpu=<hand>/<pile> human=<hand>/<pile>"
    QString posicion() const;

private:
    // Throws when the game has ended with an error.
    void comprobarSalida() const;

    HeadlessView m_vista;
    AutoDialogs m_dialogos;
    AjustesJuego m_ajustes;
    ZelboGame m_juego;
};
