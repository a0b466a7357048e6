// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>

// One participant: a display name and the hands won in the current game.
class classPlayer
{
    Q_DECLARE_TR_FUNCTIONS(classPlayer)

public:
    const QString &nombre() const { return m_nombre; }
    // The stored byte, widened without sign.
    std::int16_t puntos() const { return m_puntos; }

    void a_nombre(const QString &modifica) { m_nombre = modifica; }
    // Throws OverflowError for a value outside 0..255 and keeps the old one.
    void a_puntos(const std::int16_t &modifica);

private:
    QString m_nombre = QStringLiteral("Player");
    std::uint8_t m_puntos = 0;
};
