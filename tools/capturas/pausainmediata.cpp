// SPDX-License-Identifier: GPL-3.0-or-later

#include "pausainmediata.h"

void PausaInmediata::esperar(int /*milisegundos*/, std::function<void()> luego)
{
    luego();
}
