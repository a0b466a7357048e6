// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "savedgame.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

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
    // The hand in play, 1 for the game's first; 0 when the side file does not say (one
    // written before it did).
    int numeroDeMano = 0;
    // What the heading over the human's score showed: empty while it kept its own text,
    // nothing when the side file does not say.
    std::optional<QString> nombreEnMarcador;
    // Counted as abandoned, or about to be: never to be offered again.
    bool abandonada = false;

    friend bool operator==(const KeptGame &, const KeptGame &) = default;
};
