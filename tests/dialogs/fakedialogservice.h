// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"

#include <QList>
#include <QStringList>
#include <optional>

// Answers the game's dialogs from a script and records every one asked.
class FakeDialogService : public DialogService
{
public:
    struct Mensaje
    {
        QString texto;
        QString titulo;
        Botones botones;
        Icono icono;
        OpcionesMensaje opciones;
    };

    Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones = {}) override
    {
        mensajes.append({ texto, titulo, botones, icono, opciones });
        return botones == Botones::YesNo ? Respuesta::Yes : Respuesta::Ok;
    }

    std::optional<QString> pedirTexto(const QString &, const QString &) override
    {
        return std::nullopt;
    }

    // Each open dialog takes the next scripted name; none left means cancelled.
    QString archivoParaAbrir(const QString &filtro) override
    {
        filtrosAbrir.append(filtro);
        return archivos.isEmpty() ? QString() : archivos.takeFirst();
    }

    QString archivoParaGuardar(const QString &filtro) override
    {
        filtrosGuardar.append(filtro);
        return QString();
    }

    // The scripted colour, or the starting one when the script says cancel.
    qint32 elegirColor(qint32 inicial) override
    {
        coloresIniciales.append(inicial);
        return color.value_or(inicial);
    }

    QList<Mensaje> mensajes;
    QStringList filtrosAbrir;
    QStringList filtrosGuardar;
    QList<qint32> coloresIniciales;

    QStringList archivos;
    std::optional<qint32> color;
};
