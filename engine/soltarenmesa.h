// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"

#include <QString>
#include <optional>

// A hand card dropped on a table card: a lift when the table card has its palo.
namespace SoltarEnMesa {

// The hand card of the slot lifts the table card at lugar together with the
// table cards of the same palo already marked. Nothing when the palo differs.
std::optional<Jugada> jugada(const GameState &estado, int slot, int lugar);

// Why such a drop does nothing, for the status bar.
QString porQueNo(const GameState &estado, int slot, int lugar);

} // namespace SoltarEnMesa
