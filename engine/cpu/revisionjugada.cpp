// SPDX-License-Identifier: GPL-3.0-or-later

#include "revisionjugada.h"

ClaseJugada RevisionJugada::clasificar(double perdida)
{
    if (perdida >= kGrave)
        return ClaseJugada::Grave;
    if (perdida >= kError)
        return ClaseJugada::Error;
    if (perdida >= kDudosa)
        return ClaseJugada::Dudosa;
    return ClaseJugada::Buena;
}
