// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

class QStatusBar;

// Short messages at the bottom of the window. Each one is told to assistive
// technology as a name change of the status bar, so a screen reader that
// follows that object reads it (Qt 6.4 has no announcement event).
class Anunciador
{
    Q_DECLARE_TR_FUNCTIONS(Anunciador)

public:
    explicit Anunciador(QStatusBar &barra);

    void decir(const QString &texto);
    QString actual() const;

    // The CPU's move in words; kept until the player's next input so that the
    // last round's notice can follow it.
    void jugadaCpu(const QString &frase);
    void olvidarJugadaCpu() { m_jugadaCpu.clear(); }
    // "Última ronda: juega <nombre>", once however often the sign is set.
    void ultimaRonda(const QString &nombre);
    // A suggested move; it is taken back when a move is made.
    void pista(const QString &texto);
    void jugadaHecha();

private:
    QStatusBar &m_barra;
    QString m_jugadaCpu;
    QString m_pista;
};
