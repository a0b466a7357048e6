// SPDX-License-Identifier: GPL-3.0-or-later

#include "rutadeprueba.h"

#include <QtGlobal>

QString rutaDePrueba(const char *variable)
{
    const QString ruta = qEnvironmentVariable(variable);
    if (ruta.isEmpty())
        qFatal("%s is not set: run this test through ctest, which sets it", variable);
    return ruta;
}
