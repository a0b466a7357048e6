// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sonido.h"

// What plays the board's sounds. The game's own one plays the files beside the program;
// tests put in one that writes down what it was asked for.
class ReproductorSonidos
{
public:
    virtual ~ReproductorSonidos() = default;

    // Starts the sound and returns at once; a sound that cannot be played is left unheard.
    virtual void tocar(Sonido sonido) = 0;
};
