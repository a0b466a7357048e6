// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <stdexcept>

// Base of the game's own errors: a failure that ends the operation it happens in.
// The text is meant for the player.
class ZelboError : public std::runtime_error
{
public:
    explicit ZelboError(const QString &text)
        : std::runtime_error(text.toStdString())
        , m_text(text)
    {
    }
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
