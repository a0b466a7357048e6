// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"

// Answers every box of a picture-taking game at once, as a player who wants
// nothing changed: Aceptar, No, no file, the same colour.
class DialogosAutomaticos : public DialogService
{
public:
    Respuesta mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono,
                      const OpcionesMensaje &opciones = {}) override;
    std::optional<QString> pedirTexto(const QString &pregunta, const QString &titulo) override;
    QString archivoParaAbrir(const QString &filtro) override;
    QString archivoParaGuardar(const QString &filtro) override;
    qint32 elegirColor(qint32 inicial) override;
};
