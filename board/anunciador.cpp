// SPDX-License-Identifier: GPL-3.0-or-later

#include "anunciador.h"

#include <QAccessible>
#include <QStatusBar>

Anunciador::Anunciador(QStatusBar &barra)
    : m_barra(barra)
{
}

void Anunciador::decir(const QString &texto)
{
    // The status bar's accessible name is its message, and a new message
    // raises the name change by itself; the same text again must raise it
    // too: the player did something and is owed the answer.
    const bool repetido = m_barra.currentMessage() == texto;
    m_barra.showMessage(texto);
    if (repetido) {
        QAccessibleEvent cambio(&m_barra, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&cambio);
    }
}

QString Anunciador::actual() const
{
    return m_barra.currentMessage();
}

void Anunciador::jugadaCpu(const QString &frase)
{
    m_jugadaCpu = frase;
    decir(frase);
}

void Anunciador::ultimaRonda(const QString &nombre)
{
    const QString ronda = tr("Última ronda: juega %1").arg(nombre);
    const QString frase
        = m_jugadaCpu.isEmpty() ? ronda : m_jugadaCpu + QStringLiteral(". ") + ronda;
    if (actual() != frase)
        decir(frase);
}

void Anunciador::pista(const QString &texto)
{
    m_pista = texto;
    decir(texto);
}

void Anunciador::jugadaHecha()
{
    if (!m_pista.isEmpty() && actual() == m_pista)
        m_barra.clearMessage();
    m_pista.clear();
}
