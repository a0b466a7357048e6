// SPDX-License-Identifier: GPL-3.0-or-later

#include "comprobacionanticipada.h"

#include "picturecache.h"

#include <QFileInfo>
#include <utility>

ComprobacionAnticipada::ComprobacionAnticipada(QString ruta)
    : m_ruta(std::move(ruta))
    , m_huella(huellaDe(m_ruta))
    , m_legible(std::async(std::launch::async, &PictureCache::legible, m_ruta))
{
}

// A check still running is waited for: it reads the file and nothing else.
ComprobacionAnticipada::~ComprobacionAnticipada() = default;

bool ComprobacionAnticipada::legible()
{
    if (!m_respuesta)
        m_respuesta = m_legible.get();
    if (huellaDe(m_ruta) != m_huella) {
        m_huella = huellaDe(m_ruta);
        m_respuesta = PictureCache::legible(m_ruta);
    }
    return *m_respuesta;
}

ComprobacionAnticipada::Huella ComprobacionAnticipada::huellaDe(const QString &ruta)
{
    const QFileInfo archivo(ruta);
    if (!archivo.exists())
        return {};
    return { archivo.size(), archivo.lastModified() };
}
