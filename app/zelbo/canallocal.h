// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

class QSocketNotifier;

// A local stream socket at a path, through the system's own calls: what the game sends on it,
// a line from a later start, does not need a network library loaded at every start.
class CanalLocal : public QObject
{
    Q_OBJECT

public:
    explicit CanalLocal(QObject *parent = nullptr);
    // Stops listening and removes the socket it made.
    ~CanalLocal() override;

    // Listens at ruta, for this user only, in place of whatever lies there (what a killed game
    // left); false when the socket cannot be made.
    bool escuchar(const QString &ruta);
    // Connects to ruta and writes mensaje whole; false when nothing listens there.
    static bool enviar(const QString &ruta, const QByteArray &mensaje);

signals:
    // A whole line a client wrote, without its end of line.
    void lineaRecibida(const QByteArray &linea);

private:
    struct Cliente;

    void aceptar();
    void leer(int fd);
    void cerrar();

    int m_escucha = -1;
    QByteArray m_ruta;
    std::unique_ptr<QSocketNotifier> m_aviso;
    std::map<int, std::unique_ptr<Cliente>> m_clientes;
};
