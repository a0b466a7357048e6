// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reproductorsonidos.h"

class QObject;
class QString;

// The sound module: Qt Multimedia and the sound server's libraries come with it, so the
// program loads them only when the first sound is played, never at start.
namespace ModuloSonido {
// The module's file name, beside the program or in the game's library folder.
inline constexpr const char *kArchivo = "zelbo-sonido";
// The one function it exports: a player of the WAV files under carpeta, its effects
// children of padre.
inline constexpr const char *kFabrica = "zelbo_nuevoReproductor";
using Fabrica = ReproductorSonidos *(*)(const QString &carpeta, QObject &padre);
} // namespace ModuloSonido
