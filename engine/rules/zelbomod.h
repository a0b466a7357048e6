// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "mazo.h"
#include "randomsource.h"

#include <cstdint>

namespace Zelbomod {

// Position of card number v in the list, or 0 when it is absent (the same
// answer as for a card at position 0: callers ask only for cards they know are
// there).
std::int16_t BuscarCarta(const CardList &lista, std::int16_t v);

// Deals at random among the cards not yet dealt: while primero is set the
// table takes its quota first, then the first hand, then the second. Stops when
// both hand quotas are used or no card is left. Each card goes to the end of
// its list, in the order drawn.
void Repartir(CardList &mesa, CardList &mano1, CardList &mano2, Mazo &cartas, std::uint8_t total,
              std::uint8_t &repartidas, bool &primero, std::uint8_t quota1, std::uint8_t quota2,
              std::uint8_t tableQuota, RandomSource &azar);

} // namespace Zelbomod
