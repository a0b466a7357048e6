// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// A simulated run cannot go on: the card set cannot be set up, the game ended
// with an error, or it refused a move that the rules allow.
class SimulacionError : public std::runtime_error
{
public:
    explicit SimulacionError(const QString &texto)
        : std::runtime_error(texto.toStdString())
    {
    }
};
