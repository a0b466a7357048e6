// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"
#include "dialogservice.h"
#include "elector.h"
#include "electorenespera.h"
#include "mersennerandom.h"
#include "nivelcpu.h"
#include "ubicaciones.h"
#include "zelbogame.h"
#include "zelboview.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <memory>

// A game the CPU plays in both seats, for the player to watch. It is a game object of its
// own beside the player's, which it never touches: its own deal and generator, settings held
// in memory, no preferences file, no kept game and no statistics, so nothing of it reaches the
// player's files. Its view tells the hand's end and the results on the board
// (finDeManoEnTablero) and answers them, another game following each one won; the dialogs
// are handed only a failure. The human's seat ("la CPU 2") comes to the view as the
// player's turn does (turnoDelJugador), and the view asks here for that seat's move.
class PartidaDeDemostracion
{
    Q_DECLARE_TR_FUNCTIONS(PartidaDeDemostracion)

public:
    PartidaDeDemostracion(const Ubicaciones &lugares, ZelboView &vista, DialogService &dialogos,
                          std::uint64_t semilla, NivelCpu nivel);

    PartidaDeDemostracion(const PartidaDeDemostracion &) = delete;
    PartidaDeDemostracion &operator=(const PartidaDeDemostracion &) = delete;

    // Who waits for both seats' choices off the caller's thread; without one they are
    // chosen at once. It must outlive the game.
    void setElectorEnEspera(ElectorEnEspera &enEspera);
    // The first deal and, when the top seat opens, its move.
    void iniciar();
    // Whether the bottom seat is to play.
    bool juegaAbajo() const;
    // The bottom seat's move, handed to listo once; call only while juegaAbajo().
    void pensarAbajo(ElectorEnEspera::Listo listo);
    // The move pensarAbajo chose, played as the player's marked move is played with Enter.
    void jugarAbajo(const Jugada &jugada);

    const GameState &estado() const { return m_juego.estado(); }
    bool terminado() const { return m_juego.terminado(); }

private:
    AjustesJuego m_ajustes;
    MersenneRandom m_azar;
    std::unique_ptr<Elector> m_electorArriba;
    std::unique_ptr<Elector> m_electorAbajo;
    ElectorEnEspera *m_enEspera = nullptr;
    ZelboGame m_juego;
};
