// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The four suits of the Spanish deck, in the order the card database lists them.
enum class Palo { Oros, Copas, Espadas, Bastos };
