// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include <QCoreApplication>

#include <QString>
#include <optional>

// What the menu's commands ask the player before the game carries them out. Each
// question answered with nothing (or cancelled) leaves the game as it is.
class PreguntasDelJuego
{
    Q_DECLARE_TR_FUNCTIONS(PreguntasDelJuego)

public:
    explicit PreguntasDelJuego(DialogService &dialogos)
        : m_dialogos(dialogos)
    {
    }

    // A game's number from 1 to maximo; a text that is none is told why.
    std::optional<int> numeroDePartida(int maximo);
    // Where to save the game; empty when cancelled.
    QString archivoParaGuardar();
    // The game to open, once the player agreed to end the one in progress.
    QString archivoParaAbrir();
    std::optional<QString> nombre();
    bool salir();

private:
    DialogService &m_dialogos;
};
