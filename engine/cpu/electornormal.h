// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"

// The CPU's specified play, decided from the first hand card alone and a fixed
// order of preference: onto its own pile when that pile's top has its palo;
// else take the opponent's pile when its top has it; else lift every table card
// of its palo; else lay the card on the table. From the human's seat it plays
// the same rule with the piles' roles swapped.
class ElectorNormal : public Elector
{
public:
    Jugada elegir(const GameState &estado, Lado lado) override;
    void elegirEn(const GameState &estado, Lado lado, Jugada &jugada) override;
};
