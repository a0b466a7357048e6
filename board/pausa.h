// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a pause of the CPU's turn waits. The program waits with the window
// painting on; tests wait for nothing.
class Pausa
{
public:
    virtual ~Pausa() = default;
    virtual void esperar(int milisegundos) = 0;
};
