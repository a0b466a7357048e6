// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pausa.h"

// Waits in a local event loop, so the window repaints meanwhile.
class EventLoopPausa : public Pausa
{
public:
    void esperar(int milisegundos) override;
};
