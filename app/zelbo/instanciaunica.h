// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <optional>

class QLocalSocket;

// One game at a time per user. The first start holds a lock file in the per-user data folder
// and listens on a local socket of the user's; a later start finds the lock taken, asks the
// running game to come to the front (and to start game N, for --partida N) and ends. A lock
// left by a game that was killed is taken over.
class InstanciaUnica : public QObject
{
    Q_OBJECT

public:
    enum class Resultado {
        // This program plays: no other was running, or the folder takes no lock, in which case
        // no game file can be written either.
        Primera,
        // The running game got the request; this program ends.
        Avisada,
        // A game holds the lock but does not answer.
        SinRespuesta,
    };

    // carpeta: the per-user data folder; servidor: the local socket's name or path.
    InstanciaUnica(const QString &carpeta, const QString &servidor, QObject *parent = nullptr);
    // The socket of the game whose files are in carpeta, in the user's runtime folder.
    static QString servidorDe(const QString &carpeta);

    // Takes the lock and listens, or hands partida (nothing: only come to the front) to the
    // game that holds it.
    Resultado empezar(std::optional<int> partida);

signals:
    // Another start asked for this game's window.
    void activar();
    // Another start asked for game numero, after activar().
    void partidaPedida(int numero);

private:
    bool avisar(std::optional<int> partida) const;
    void atender(QLocalSocket *socket);
    void leer(QLocalSocket *socket);

    QString m_carpeta;
    QString m_servidor;
    QLockFile m_cerrojo;
    QLocalServer m_escucha;
};
