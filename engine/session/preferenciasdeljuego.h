// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include "gamestate.h"
#include "preferencias.h"
#include "propiedades.h"
#include "zelboview.h"

#include <QString>

// The player's preferences as the game uses them: read from their file at every
// new hand, saved when they change or the program ends, and shown on the board
// (the background colour, the card back). Without a file (the simulator) the
// game plays with the initial ones and writes nothing.
class PreferenciasDelJuego
{
public:
    // fichero: lastprop.dat, or empty for none; ajustes as Propiedades takes them.
    PreferenciasDelJuego(GameState &estado, ZelboView &vista, DialogService &dialogos,
                         AjustesJuego &ajustes, QString fichero);

    const Preferencias &valores() const { return m_valores; }
    // Reads the file without telling a damaged one: false then, for the caller
    // to tell in its own time. True without a file.
    bool leer();
    // Reads the file and tells a damaged one itself.
    bool LoadProperty(const QString &fichero);
    bool cargar();
    // Replaces the file whole or not at all; a failure is told. True without a file.
    bool SaveProperty();
    void aceptar(const Preferencias &nuevas);
    // Puts back values taken earlier; the colour is shown at once, nothing is saved.
    void restaurar(const QString &nombreCpu, const QString &nombreHumano, const Preferencias &p);
    // The chosen card back, or porDefecto when it cannot be shown; the next save
    // then names the default.
    void cargarReverso(const QString &porDefecto);

private:
    GameState &m_estado;
    ZelboView &m_vista;
    Preferencias m_valores;
    Propiedades m_propiedades;
    QString m_fichero;
};
