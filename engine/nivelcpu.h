#pragma once

#include "electorjugada.h"

#include <QString>
#include <memory>
#include <optional>

// The levels a seat can be played at.
enum class NivelCpu { Normal, Dificil };

namespace NivelesCpu {

// "normal" or "dificil", the words of the settings and the command lines.
QString clave(NivelCpu nivel);
std::optional<NivelCpu> deClave(const QString &clave);

// A chooser of the level's moves, or nothing when this build has no player
// of that level.
std::unique_ptr<ElectorJugada> crearElector(NivelCpu nivel);

} // namespace NivelesCpu
