// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"
#include "electordificil.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

// The levels a seat can be played at.
enum class NivelCpu { Normal, Dificil, Experto };

namespace NivelesCpu {

// "normal", "dificil" or "experto", the words of the settings and the command lines.
QString clave(NivelCpu nivel);
std::optional<NivelCpu> deClave(const QString &clave);

// A chooser of the level's moves. The Difícil and Experto players draw from a generator
// seeded with semilla and the position, never from the one that deals.
std::unique_ptr<Elector> crearElector(NivelCpu nivel,
                                      std::uint64_t semilla = ElectorDificil::kSemilla);

} // namespace NivelesCpu
