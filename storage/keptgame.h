// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "savedgame.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The game in progress as the game keeps it between runs: the position in the saved-game
// format, and what that format cannot hold. The blobs are opaque here: their owners (the
// dealing generator, the undo history, the statistics of the game) write and read them.
struct KeptGame
{
    SavedGame partida;
    // "p1", "p2" or empty when nobody lifted since the program started.
    QString ultimoEnLevantar;
    int turno = 0;
    qint64 numeroPartida = 0;
    // "normal" or "dificil".
    QString nivelCpu;
    QString generador;
    QByteArray deshacer;
    QByteArray estadisticas;

    friend bool operator==(const KeptGame &, const KeptGame &) = default;
};
