// SPDX-License-Identifier: GPL-3.0-or-later

#include "instanciaunica.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {
// A game just started may take a moment to listen after taking the lock.
constexpr int kEsperaMs = 5000;
constexpr int kReintentoMs = 100;
const QByteArray kActivar = QByteArrayLiteral("activar");
const QByteArray kPartida = QByteArrayLiteral("partida ");
} // namespace

InstanciaUnica::InstanciaUnica(const QString &carpeta, const QString &servidor, QObject *parent)
    : QObject(parent)
    , m_carpeta(carpeta)
    , m_servidor(servidor)
    , m_cerrojo(carpeta + QStringLiteral("/zelbo.lock"))
{
    // A game runs for hours: only a lock whose program is gone is stale.
    m_cerrojo.setStaleLockTime(0);
    m_escucha.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_escucha, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_escucha.nextPendingConnection())
            atender(socket);
    });
}

QString InstanciaUnica::servidorDe(const QString &carpeta)
{
    const QByteArray clave = QCryptographicHash::hash(
        QFileInfo(carpeta).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1);
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
        + QStringLiteral("/zelbo-") + QString::fromLatin1(clave.toHex().left(12));
}

InstanciaUnica::Resultado InstanciaUnica::empezar(std::optional<int> partida)
{
    QDir().mkpath(m_carpeta);
    if (m_cerrojo.tryLock(0)) {
        // The lock is ours, so a socket left behind is from a game that was killed.
        QLocalServer::removeServer(m_servidor);
        m_escucha.listen(m_servidor);
        return Resultado::Primera;
    }
    if (m_cerrojo.error() != QLockFile::LockFailedError)
        return Resultado::Primera;
    return avisar(partida) ? Resultado::Avisada : Resultado::SinRespuesta;
}

bool InstanciaUnica::avisar(std::optional<int> partida) const
{
    const QByteArray mensaje
        = (partida ? kPartida + QByteArray::number(*partida) : kActivar) + '\n';
    const QDeadlineTimer plazo(kEsperaMs);
    while (!plazo.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_servidor);
        if (socket.waitForConnected(kReintentoMs)) {
            socket.write(mensaje);
            const bool enviado = socket.waitForBytesWritten(kEsperaMs);
            socket.disconnectFromServer();
            return enviado;
        }
        QThread::msleep(kReintentoMs);
    }
    return false;
}

void InstanciaUnica::atender(QLocalSocket *socket)
{
    socket->setParent(this);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { leer(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        leer(socket);
        socket->deleteLater();
    });
    leer(socket);
}

// Each line is one request: "activar" or "partida N"; anything else is ignored.
void InstanciaUnica::leer(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray linea = socket->readLine().trimmed();
        if (linea == kActivar) {
            emit activar();
        } else if (linea.startsWith(kPartida)) {
            bool ok = false;
            const int numero = linea.mid(kPartida.size()).toInt(&ok);
            emit activar();
            if (ok)
                emit partidaPedida(numero);
        }
    }
}
