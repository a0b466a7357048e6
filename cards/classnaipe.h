// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

// One card of the deck. The game compares cards only by their palo; numero is
// carried along for the card set but no rule reads it.
class classNaipe
{
public:
    std::int16_t numero() const { return m_numero; }
    const QString &palo() const { return m_palo; }
    const QString &imagen() const { return m_imagen; }
    bool repartida() const { return m_repartida; }

    // The write properties keep a copy; the caller's variable is never touched.
    void a_numero(const std::int16_t &modifica) { m_numero = modifica; }
    void a_palo(const QString &modifica) { m_palo = modifica; }
    void a_imagen(const QString &modifica) { m_imagen = modifica; }
    void a_repartida(const bool &modifica) { m_repartida = modifica; }

private:
    std::int16_t m_numero = 0;
    QString m_palo;
    QString m_imagen;
    bool m_repartida = false;
};
