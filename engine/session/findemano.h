// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include "gamestate.h"
#include "resultadodemano.h"
#include "zelboview.h"
#include <QCoreApplication>

#include <functional>

// The end of a hand: the table goes to the last lifter, the larger pile wins
// a point, and at 3 points the game is over: the results window, then the
// question whether to play again. Each box is a step: the next one comes when
// the player has closed it.
class FinDeMano
{
    Q_DECLARE_TR_FUNCTIONS(FinDeMano)

public:
    // terminar ends the program when the player does not play again.
    FinDeMano(GameState &estado, ZelboView &vista, DialogService &dialogos,
              std::function<void()> terminar);

    // Scores the hand and resets it, then calls luego with true when a game was
    // won and the player plays another. When the player does not, the program
    // ends instead and luego is not called.
    void ContarPuntajes(std::function<void(bool otraPartida)> luego);

    // Told of every hand once scored (its table collected), and of every game won before
    // the results window.
    void setAlTerminar(std::function<void()> mano, std::function<void()> partida)
    {
        m_alTerminarMano = std::move(mano);
        m_alTerminarPartida = std::move(partida);
    }

private:
    static QString cartasDeMano(const ResultadoDeMano &resultado);
    void puntuarMano(const ResultadoDeMano &resultado);
    void terminarMano(bool otraPartida);
    ResumenDeMano resumenDe(const ResultadoDeMano &resultado) const;
    void terminarPartida(std::function<void()> siOtra);
    void MostrarGanador(std::function<void()> luego);
    void PreguntarOtraPartida(std::function<void()> siOtra);

    GameState &m_estado;
    ZelboView &m_vista;
    DialogService &m_dialogos;
    std::function<void()> m_terminar;
    std::function<void()> m_alTerminarMano;
    std::function<void()> m_alTerminarPartida;
};
