// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canallocal.h"

#include <QLockFile>
#include <QObject>
#include <QString>
#include <optional>

// One game at a time per user. The first start holds a lock file beside a local socket in the
// user's runtime folder (so a data folder that takes no file still allows one game only) and
// listens on the socket; a later start finds the lock taken, asks the running game to come to
// the front (and to start game N, for --partida N) and ends. A lock that no running game of
// this machine answers for is taken over: one a killed game left, an empty one a power cut
// left, one that cannot be read, or one written on another machine.
class InstanciaUnica : public QObject
{
    Q_OBJECT

public:
    enum class Resultado {
        // This program plays: no other was running, or the folder takes no lock at all.
        Primera,
        // The running game got the request; this program ends.
        Avisada,
        // A game that runs on this machine holds the lock but does not answer.
        SinRespuesta,
    };

    // servidor: the local socket's path; the lock is that path with ".lock" added.
    explicit InstanciaUnica(const QString &servidor, QObject *parent = nullptr);
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
    bool tomar();
    void escuchar();
    bool avisar(std::optional<int> partida) const;
    // The lock's holder is a program still running on this machine.
    bool duenoVivo() const;
    void leer(const QByteArray &linea);

    QString m_servidor;
    QLockFile m_cerrojo;
    CanalLocal m_escucha;
};
