// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <future>
#include <optional>

// A picture checked whole (PictureCache::legible) on a thread of its own from the moment this
// is made, so that the window is built meanwhile. The answer holds while the file stays as it
// was when the check began; a file changed since then is checked again when asked.
class ComprobacionAnticipada
{
public:
    explicit ComprobacionAnticipada(QString ruta);
    ~ComprobacionAnticipada();
    ComprobacionAnticipada(const ComprobacionAnticipada &) = delete;
    ComprobacionAnticipada &operator=(const ComprobacionAnticipada &) = delete;

    const QString &ruta() const { return m_ruta; }
    // Waits for the check if it is still running.
    bool legible();

private:
    struct Huella
    {
        qint64 tamano = -1;
        QDateTime modificado;
        bool operator==(const Huella &) const = default;
    };
    static Huella huellaDe(const QString &ruta);

    QString m_ruta;
    Huella m_huella;
    std::future<bool> m_legible;
    std::optional<bool> m_respuesta;
};
