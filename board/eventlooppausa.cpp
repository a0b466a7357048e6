// SPDX-License-Identifier: GPL-3.0-or-later

#include "eventlooppausa.h"

#include <QEventLoop>
#include <QTimer>

void EventLoopPausa::esperar(int milisegundos)
{
    QEventLoop bucle;
    QTimer::singleShot(milisegundos, &bucle, &QEventLoop::quit);
    bucle.exec();
}
