// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QStringList>

class Anunciador;
class QStatusBar;

// The player's files that could not be written, told without stopping the game: each note is
// shown in the status bar and spoken as it comes, and a mark stays at the bar's end, its tip
// holding every note of the run, so that a note missed among the moves can still be read.
class NotaDeArchivos : public QLabel
{
    Q_OBJECT

public:
    NotaDeArchivos(QStatusBar &barra, Anunciador &anunciador);

    void avisar(const QString &texto);
    const QStringList &notas() const { return m_notas; }

private:
    Anunciador &m_anunciador;
    QStringList m_notas;
};
