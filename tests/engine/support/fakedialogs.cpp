// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"

DialogService::Respuesta FakeDialogs::mensaje(const QString &texto, const QString &titulo,
                                              Botones botones, Icono icono,
                                              const OpcionesMensaje &opciones)
{
    m_mensajes.append({ texto, titulo, botones, icono, opciones });
    if (m_registro)
        m_registro->append(QStringLiteral("mensaje ") + texto);
    if (botones == Botones::Ok)
        return Respuesta::Ok;
    if (!m_respuestas.isEmpty())
        return m_respuestas.dequeue();
    return botones == Botones::YesNo ? Respuesta::Yes : Respuesta::Ok;
}

std::optional<QString> FakeDialogs::pedirTexto(const QString &pregunta, const QString &titulo)
{
    m_preguntas.append(pregunta);
    m_titulosPreguntas.append(titulo);
    return m_textos.isEmpty() ? std::nullopt : m_textos.dequeue();
}

QString FakeDialogs::archivoParaAbrir(const QString &filtro)
{
    m_filtros.append(filtro);
    return m_archivos.isEmpty() ? QString() : m_archivos.dequeue();
}

QString FakeDialogs::archivoParaGuardar(const QString &filtro)
{
    m_filtros.append(filtro);
    return m_archivos.isEmpty() ? QString() : m_archivos.dequeue();
}

qint32 FakeDialogs::elegirColor(qint32 inicial)
{
    m_coloresIniciales.append(inicial);
    return m_colores.isEmpty() ? inicial : m_colores.dequeue();
}

QStringList FakeDialogs::textos() const
{
    QStringList lista;
    for (const Mensaje &m : m_mensajes)
        lista.append(m.texto);
    return lista;
}

void FakeDialogs::limpiar()
{
    m_mensajes.clear();
    m_preguntas.clear();
    m_titulosPreguntas.clear();
    m_filtros.clear();
    m_coloresIniciales.clear();
}
