// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// A checked run found a card out of place; the text says where (seed, game,
// hand and move) and what.
class VerificacionError : public std::runtime_error
{
public:
    explicit VerificacionError(const QString &texto)
        : std::runtime_error(texto.toStdString())
    {
    }
};
