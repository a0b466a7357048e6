// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "savedgame.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Files as a test looks at them: whole contents, lines, and what a folder holds.
namespace Archivos {

// The file's bytes, or a text no file of the game holds when it cannot be read.
QByteArray contenido(const QString &ruta);
bool escribir(const QString &ruta, const QByteArray &bytes);

// Everything under a folder, sorted: each entry's path and, for a file, its
// content's hash. Equal lists mean nothing on disk changed.
QStringList listado(const QString &carpeta);

// A saved game's file as the game writes it.
QByteArray dePartida(const SavedGame &partida);

// The lines of an item file without their CR LF, and back.
QList<QByteArray> lineas(const QByteArray &archivo);
QByteArray deLineas(const QList<QByteArray> &lineas);

} // namespace Archivos
