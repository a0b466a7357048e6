// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A program the player set to start from the game, named by its path or by a
// command line.
class LineaDeOrdenes
{
public:
    // Starts it without waiting; false when it cannot be started.
    static bool iniciar(const QString &linea);
};
