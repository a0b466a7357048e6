// SPDX-License-Identifier: GPL-3.0-or-later

#include "canallocal.h"

#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

// A client being read: its notifier, a child of the channel, goes with deleteLater, since a
// client ends inside the notifier's own signal.
struct CanalLocal::Cliente
{
    QSocketNotifier *aviso = nullptr;
    QByteArray pendiente;
};

namespace {
// The socket's address; false when the path does not fit in one.
bool direccion(const QByteArray &ruta, sockaddr_un &destino)
{
    std::memset(&destino, 0, sizeof destino);
    destino.sun_family = AF_UNIX;
    if (ruta.isEmpty() || static_cast<std::size_t>(ruta.size()) >= sizeof destino.sun_path)
        return false;
    std::memcpy(destino.sun_path, ruta.constData(), static_cast<std::size_t>(ruta.size()));
    return true;
}

sockaddr *comoDireccion(sockaddr_un &direccion)
{
    return reinterpret_cast<sockaddr *>(&direccion);
}
} // namespace

CanalLocal::CanalLocal(QObject *parent)
    : QObject(parent)
{
}

CanalLocal::~CanalLocal()
{
    cerrar();
}

bool CanalLocal::escuchar(const QString &ruta)
{
    cerrar();
    sockaddr_un destino;
    const QByteArray nombre = QFile::encodeName(ruta);
    if (!direccion(nombre, destino))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    ::unlink(nombre.constData());
    if (::bind(fd, comoDireccion(destino), sizeof destino) != 0
        || ::chmod(nombre.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return false;
    }
    m_escucha = fd;
    m_ruta = nombre;
    m_aviso = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_aviso.get(), &QSocketNotifier::activated, this, &CanalLocal::aceptar);
    return true;
}

bool CanalLocal::enviar(const QString &ruta, const QByteArray &mensaje)
{
    sockaddr_un destino;
    if (!direccion(QFile::encodeName(ruta), destino))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    bool enviado = ::connect(fd, comoDireccion(destino), sizeof destino) == 0;
    for (qsizetype hecho = 0; enviado && hecho < mensaje.size();) {
        const ssize_t n = ::send(fd, mensaje.constData() + hecho,
                                 static_cast<std::size_t>(mensaje.size() - hecho), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        enviado = n > 0;
        hecho += n;
    }
    ::close(fd);
    return enviado;
}

void CanalLocal::aceptar()
{
    for (;;) {
        const int fd = ::accept4(m_escucha, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        auto cliente = std::make_unique<Cliente>();
        cliente->aviso = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(cliente->aviso, &QSocketNotifier::activated, this, [this, fd] { leer(fd); });
        m_clientes.emplace(fd, std::move(cliente));
    }
}

// Each whole line is handed on; the client is done when it closes its end.
void CanalLocal::leer(int fd)
{
    const auto cliente = m_clientes.find(fd);
    if (cliente == m_clientes.end())
        return;
    Cliente &leido = *cliente->second;
    char bloque[512];
    ssize_t n = 0;
    while ((n = ::read(fd, bloque, sizeof bloque)) > 0)
        leido.pendiente.append(bloque, n);
    const bool cerrado = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
    QByteArray pendiente = std::exchange(leido.pendiente, {});
    if (cerrado) {
        leido.aviso->setEnabled(false);
        leido.aviso->deleteLater();
        m_clientes.erase(cliente);
        ::close(fd);
    }
    qsizetype fin = 0;
    while ((fin = pendiente.indexOf('\n')) >= 0) {
        emit lineaRecibida(pendiente.left(fin));
        pendiente.remove(0, fin + 1);
    }
    if (!cerrado) {
        const auto sigue = m_clientes.find(fd);
        if (sigue != m_clientes.end())
            sigue->second->pendiente = pendiente;
    }
}

void CanalLocal::cerrar()
{
    for (auto &[fd, cliente] : m_clientes) {
        delete cliente->aviso;
        ::close(fd);
    }
    m_clientes.clear();
    m_aviso.reset();
    if (m_escucha >= 0) {
        ::close(m_escucha);
        ::unlink(m_ruta.constData());
    }
    m_escucha = -1;
}
