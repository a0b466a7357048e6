// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include "gamestate.h"
#include "preferencevalues.h"
#include "preferencias.h"
#include "zelboview.h"
#include <QCoreApplication>

#include <QString>

class AjustesJuego;

// The five preferences and their file: both names, the toolbar's program, the
// background colour and the card back.
class Propiedades
{
    Q_DECLARE_TR_FUNCTIONS(Propiedades)

public:
    // ajustes keeps the toolbar's program where lastprop.dat cannot hold it as it is.
    Propiedades(GameState &estado, Preferencias &preferencias, ZelboView &vista,
                DialogService &dialogos, AjustesJuego &ajustes);

    // Applies the file's values one by one as they are read; a damaged file
    // leaves the values before the fault applied and is reported to the player.
    // True when the whole file was read.
    bool LoadProperty(const QString &fichero);
    // The same without the report, for a caller that tells it its own way.
    bool leer(const QString &fichero);
    static QString textoDeArchivoDanado();
    static QString tituloDeError();
    // Replaces the file whole or not at all; a failure is reported.
    bool SaveProperty(const QString &fichero);

private:
    PreferenceValues actuales() const;
    QString aplicacionLeida(const QString &delArchivo) const;
    void recordarAplicacion(const QString &aplicacion);

    GameState &m_estado;
    Preferencias &m_preferencias;
    ZelboView &m_vista;
    DialogService &m_dialogos;
    AjustesJuego &m_ajustes;
};
