// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pausa.h"

// The CPU's pauses of a picture-taking game last nothing.
class PausaInmediata : public Pausa
{
public:
    void esperar(int milisegundos, std::function<void()> luego) override;
};
