// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// How long the CPU's pauses last, against the pauses of the rules.
enum class VelocidadCpu { Lenta, Normal, Rapida, SinPausas };

namespace VelocidadesCpu {

// "lenta", "normal", "rapida", "sinpausas": the words of the setting.
QString clave(VelocidadCpu velocidad);
std::optional<VelocidadCpu> deClave(const QString &clave);
// The pause the rules give, at this speed; the order of the pauses never changes.
int escalar(int milisegundos, VelocidadCpu velocidad);

} // namespace VelocidadesCpu
