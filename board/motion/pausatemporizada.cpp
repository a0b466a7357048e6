// SPDX-License-Identifier: GPL-3.0-or-later

#include "pausatemporizada.h"

#include <QTimer>

void PausaTemporizada::esperar(int milisegundos, std::function<void()> luego)
{
    QTimer::singleShot(milisegundos, this, std::move(luego));
}
