// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"

#include <QString>
#include <optional>

// A hand card dropped on a table card: a lift when the rules let the card lift it.
namespace SoltarEnMesa {

// The hand card of the slot lifts the table card at lugar together with the
// table cards already marked that it may lift too. Nothing when it may not lift
// the one it was dropped on.
std::optional<Jugada> jugada(const GameState &estado, int slot, int lugar);

// Why such a drop does nothing, for the status bar.
QString porQueNo(const GameState &estado, int slot, int lugar);

} // namespace SoltarEnMesa
