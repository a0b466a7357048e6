// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"

#include <QSettings>
#include <QTemporaryDir>

// The folder of AjustesDePrueba, a base made before the settings so that they are made
// over a file inside it.
struct CarpetaDeAjustes
{
    QTemporaryDir carpeta;
};

// The player's settings over a file in a folder of the test's own, removed with them:
// every default until the test changes them, or writes the file and reads it again
// (releer) as a new start of the program does.
class AjustesDePrueba : private CarpetaDeAjustes, public AjustesJuego
{
public:
    AjustesDePrueba()
        : AjustesJuego(carpeta.filePath(QStringLiteral("zelbo.conf")))
    {
    }

    // The file as another program reads and writes it.
    QSettings archivo() const { return QSettings(fichero(), QSettings::IniFormat); }
};
