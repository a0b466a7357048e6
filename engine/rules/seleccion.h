// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "imagen.h"
#include "lado.h"
#include "movimientocompacto.h"

#include <QString>
#include <optional>

// The human's selection before a move: which marks may be set, whether the
// marks make a lift, and what they say. Whether a card may join a lift is
// asked of the rules (Legalidad). Refusals come back as the text to show.
namespace Seleccion {

QString mismoTipo();
// Enter with the own pile marked together with cards or the CPU's pile to lift.
QString montonYLevantar();

// Whether the move, played with the first marked human hand card, is legal;
// true when no hand card is marked. A mark on an empty hand slot does not count.
bool MismoPalo(const GameState &estado, MovimientoCompacto movimiento);

// Toggles mark i of the group. For the human a table mark or the CPU's pile
// mark is set only when it would make a legal lift with the first marked hand
// card (MismoPalo); else the refusal text is returned and the mark stays clear.
// The own pile's mark (CheckMonton 1) is toggled untested.
std::optional<QString> MarcarCarta(GameState &estado, GrupoMarca grupo, int i, Lado jugador);

// How clicks on the human's hand cards mark them: each card on its own, as boxes beside
// the cards show them, or one mark in the hand, which a click on another card moves there.
enum class MarcasDeMano { Varias, Una };

// The human clicked a card that takes clicks (a table card, a hand card, the CPU's pile):
// its mark as MarcarCarta sets it; a place with no card is left alone.
std::optional<QString> pulsar(GameState &estado, const Imagen &carta,
                              MarcasDeMano mano = MarcasDeMano::Varias);
// The human turned over the mark box of a hand card, or of the own pile, untested; only
// the own pile's box takes clicks.
void alternar(Marcas &marcas, const Imagen &lugar);

// Checks the human's marks before a lift; the refusal text, or nothing when
// the lift may go ahead, in which case it is a legal move.
std::optional<QString> ValidarLevantar(const GameState &estado);

// The one marked human hand slot that holds a card; nothing when none or several.
std::optional<int> unicaMarcada(const GameState &estado);
// Whether a table place holding a card, or the CPU's pile, is marked.
bool marcasDeLevantar(const GameState &estado);

// Clears every table and hand mark; the pile marks stay.
void LimpiarSeleccion(Marcas &marcas);

} // namespace Seleccion
