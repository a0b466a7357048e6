// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <optional>

// A dialog service that records every dialog and answers from scripted queues.
// A box with only an OK button has one possible answer and takes none from the
// queue; a box with a choice takes the next scripted answer, or OK / Yes when
// none is left. Unscripted input boxes are cancelled, file dialogs give an
// empty name and the colour dialog gives its starting colour.
class FakeDialogs : public DialogService
{
public:
    struct Mensaje
    {
        QString texto;
        QString titulo;
        Botones botones = Botones::Ok;
        Icono icono = Icono::Ninguno;
        OpcionesMensaje opciones;

        // A box with only an OK button, the program's title, this text and icon.
        bool esAviso(const QString &conTexto, Icono conIcono) const
        {
            return texto == conTexto && titulo == kTitulo && botones == Botones::Ok
                && icono == conIcono;
        }
    };

    Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones = {}) override;
    std::optional<QString> pedirTexto(const QString &pregunta, const QString &titulo) override;
    QString archivoParaAbrir(const QString &filtro) override;
    QString archivoParaGuardar(const QString &filtro) override;
    qint32 elegirColor(qint32 inicial) override;

    void responder(Respuesta respuesta) { m_respuestas.enqueue(respuesta); }
    void responderTexto(const std::optional<QString> &texto) { m_textos.enqueue(texto); }
    void responderArchivo(const QString &fichero) { m_archivos.enqueue(fichero); }
    void responderColor(qint32 color) { m_colores.enqueue(color); }
    void setRegistro(QStringList *registro) { m_registro = registro; }

    const QList<Mensaje> &mensajes() const { return m_mensajes; }
    // The texts of the message boxes, in order.
    QStringList textos() const;
    const QStringList &preguntas() const { return m_preguntas; }
    // The titles of the input boxes, in order.
    const QStringList &titulosPreguntas() const { return m_titulosPreguntas; }
    const QStringList &filtros() const { return m_filtros; }
    // The colour each colour dialog started from, in order.
    const QList<qint32> &coloresIniciales() const { return m_coloresIniciales; }
    int respuestasPendientes() const { return static_cast<int>(m_respuestas.size()); }

    // Forgets what was recorded; scripted answers not yet used stay.
    void limpiar();

private:
    QList<Mensaje> m_mensajes;
    QStringList m_preguntas;
    QStringList m_titulosPreguntas;
    QStringList m_filtros;
    QQueue<Respuesta> m_respuestas;
    QQueue<std::optional<QString>> m_textos;
    QQueue<QString> m_archivos;
    QQueue<qint32> m_colores;
    QList<qint32> m_coloresIniciales;
    QStringList *m_registro = nullptr;
};
