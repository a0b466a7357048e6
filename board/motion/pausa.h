// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// How a pause of the CPU's turn waits: the program by a timer, the window
// painting and answering meanwhile; tests wait for nothing.
class Pausa
{
public:
    virtual ~Pausa() = default;
    // Returns at once and calls luego when the time has passed.
    virtual void esperar(int milisegundos, std::function<void()> luego) = 0;
};
