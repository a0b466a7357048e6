// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The player's commands of the menus and the toolbar, each carried out by the game.
enum class OrdenDelJuego {
    Nuevo, // a new hand of the same game, the points kept
    Abrir,
    Guardar,
    Nombre,
    Salir, // asks first
    Cerrar, // the window is closed: the game is kept and the program ends, without asking
    Correr, // starts the program named in the preferences
    Deshacer,
    Rehacer,
    ElegirPartida,
};
