// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Thrown by the end of the program to unwind every game procedure on the way
// out; the game's entry points catch it.
struct ProgramExit
{
    int estado = 0;
};
