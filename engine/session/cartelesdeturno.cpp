// SPDX-License-Identifier: GPL-3.0-or-later

#include "cartelesdeturno.h"

// The name kept here shares its text with the player's until the name is
// changed, so the same text is told without comparing the letters.
const QString &CartelesDeTurno::humano(const QString &nombre)
{
    const bool mismo
        = m_nombre.constData() == nombre.constData() && m_nombre.size() == nombre.size();
    if (m_humano.isEmpty() || (!mismo && m_nombre != nombre)) {
        m_nombre = nombre;
        m_humano = tr("Juega %1").arg(m_nombre);
    }
    return m_humano;
}
