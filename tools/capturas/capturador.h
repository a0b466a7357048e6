// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

class QWidget;
class ZelboFrm;

// Plays a game of the real main window to a few positions and keeps them as
// pictures for the help: the classic table with a hint and the history, the
// modern table with the chance to win, and the review of the hand once the
// player has made a mistake in its last round.
// The program folder is a copy of the build's, so the player's files of a
// picture-taking game never mix with anyone's.
class Capturador
{
public:
    // datos: the build folder with the card set and pictures; destino: where the
    // pictures go.
    Capturador(const QString &datos, const QString &destino);

    // The pictures of the language in force. False, with error(), when one failed.
    bool capturar();
    const QString &error() const { return m_error; }

private:
    bool copiarDatos(const QString &datos);
    bool jugarHasta(ZelboFrm &ventana, int jugadas);
    bool errarEnLaUltimaRonda(ZelboFrm &ventana);
    bool capturarRevision(ZelboFrm &ventana);
    bool guardar(QWidget &widget, const QString &nombre);
    bool fallar(const QString &motivo);

    QTemporaryDir m_programa;
    QString m_destino;
    QString m_error;
};
