// SPDX-License-Identifier: GPL-3.0-or-later

#include "instanciaunica.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {
// A game just started may take a moment to listen after taking the lock.
constexpr int kEsperaMs = 5000;
constexpr int kReintentoMs = 100;
const QByteArray kActivar = QByteArrayLiteral("activar");
const QByteArray kPartida = QByteArrayLiteral("partida ");
} // namespace

InstanciaUnica::InstanciaUnica(const QString &servidor, QObject *parent)
    : QObject(parent)
    , m_servidor(servidor)
    , m_cerrojo(servidor + QStringLiteral(".lock"))
{
    // A game runs for hours: only a lock whose program is gone is stale.
    m_cerrojo.setStaleLockTime(0);
    connect(&m_escucha, &CanalLocal::lineaRecibida, this, &InstanciaUnica::leer);
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
    QDir().mkpath(QFileInfo(m_servidor).absolutePath());
    if (tomar())
        return Resultado::Primera;
    if (m_cerrojo.error() != QLockFile::LockFailedError)
        return Resultado::Primera;
    // A lock that names no running game of this machine (looked at twice, as a game just
    // started may not have written its lock yet) is taken over.
    if (!duenoVivo()) {
        QThread::msleep(kReintentoMs);
        if (!duenoVivo() && m_cerrojo.removeStaleLockFile() && tomar())
            return Resultado::Primera;
    }
    if (avisar(partida))
        return Resultado::Avisada;
    if (duenoVivo())
        return Resultado::SinRespuesta;
    // A lock that cannot be taken over (a folder in its place): the game that listens plays,
    // rather than none ever again.
    escuchar();
    return Resultado::Primera;
}

bool InstanciaUnica::tomar()
{
    if (!m_cerrojo.tryLock(0))
        return false;
    // The lock is ours, so a socket left behind is from a game that was killed.
    escuchar();
    return true;
}

void InstanciaUnica::escuchar()
{
    m_escucha.escuchar(m_servidor);
}

bool InstanciaUnica::duenoVivo() const
{
    qint64 pid = 0;
    QString maquina;
    QString programa;
    if (!m_cerrojo.getLockInfo(&pid, &maquina, &programa) || pid <= 0)
        return false;
    if (!maquina.isEmpty() && maquina != QSysInfo::machineHostName())
        return false;
#ifdef Q_OS_UNIX
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
    return true;
#endif
}

bool InstanciaUnica::avisar(std::optional<int> partida) const
{
    const QByteArray mensaje
        = (partida ? kPartida + QByteArray::number(*partida) : kActivar) + '\n';
    const QDeadlineTimer plazo(kEsperaMs);
    while (!plazo.hasExpired()) {
        if (CanalLocal::enviar(m_servidor, mensaje))
            return true;
        QThread::msleep(kReintentoMs);
    }
    return false;
}

// Each line is one request: "activar" or "partida N"; anything else is ignored.
void InstanciaUnica::leer(const QByteArray &recibida)
{
    const QByteArray linea = recibida.trimmed();
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
