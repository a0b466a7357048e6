// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "lado.h"

#include <QString>
#include <optional>

// The human's selection before a lift: which marks may be set and whether the
// marks make a lift. Refusals come back as the text to show the player.
namespace Seleccion {

QString mismoTipo();

// Whether carta has the palo of the first marked human hand card; true when no
// hand card is marked. A mark on an empty hand slot does not count.
bool MismoPalo(const GameState &estado, CardId carta);

// Toggles mark i of the group. For the human a table mark or a pile mark is
// set only when the card it refers to passes MismoPalo; then the refusal text is
// returned and the mark stays clear.
std::optional<QString> MarcarCarta(GameState &estado, GrupoMarca grupo, int i, Lado jugador);

// Checks the human's marks before a lift; the refusal text, or nothing when
// the lift may go ahead.
std::optional<QString> ValidarLevantar(const GameState &estado);

// Clears every table and hand mark; the pile marks stay.
void LimpiarSeleccion(Marcas &marcas);

} // namespace Seleccion
