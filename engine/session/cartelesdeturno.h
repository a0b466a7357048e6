// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// The turn signs, translated once: the language is chosen before the game is made.
class CartelesDeTurno
{
    Q_DECLARE_TR_FUNCTIONS(CartelesDeTurno)

public:
    const QString &cpu() const { return m_cpu; }
    // The last round's sign, which names nobody.
    const QString &ultimaRonda() const { return m_ultimaRonda; }
    // The human's sign, made again only when the name changed: it is shown at every turn.
    const QString &humano(const QString &nombre);

private:
    const QString m_cpu = tr("Juega CPU");
    const QString m_ultimaRonda = tr("Ultima ronda");
    QString m_nombre;
    QString m_humano;
};
