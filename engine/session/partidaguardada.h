// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include "gamestate.h"
#include "savedgame.h"
#include <QCoreApplication>

#include <QString>
#include <optional>

// A game in progress to and from its file. The turn and the last lifter are
// not part of a saved game: a loaded game keeps the ones in force.
class PartidaGuardada
{
    Q_DECLARE_TR_FUNCTIONS(PartidaGuardada)

public:
    explicit PartidaGuardada(DialogService &dialogos);

    // Replaces the file whole or not at all; a failure is reported to the player.
    bool GuardarJuego(const GameState &estado, const QString &fichero);
    // Reads and checks the whole file before touching the game; a file that
    // does not hold a game the game can go on from changes nothing and is
    // reported to the player.
    bool CargarJuego(GameState &estado, const QString &fichero);
    // Why the last load was refused, for a maintainer: the file's line and item
    // or the rule of the game it breaks. The player is told only that it failed.
    const QString &motivoDelFallo() const { return m_motivo; }

    static SavedGame desdeEstado(const GameState &estado);
    // The state the file describes, built on the current one, or nothing; motivo,
    // when given, receives why.
    static std::optional<GameState> aEstado(const GameState &actual, const SavedGame &partida,
                                            QString *motivo = nullptr);

private:
    DialogService &m_dialogos;
    QString m_motivo;
};
