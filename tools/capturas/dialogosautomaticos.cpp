// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogosautomaticos.h"

DialogService::Respuesta DialogosAutomaticos::mensaje(const QString & /*texto*/,
                                                      const QString & /*titulo*/, Botones botones,
                                                      Icono /*icono*/,
                                                      const OpcionesMensaje & /*opciones*/)
{
    return botones == Botones::YesNo ? Respuesta::No : Respuesta::Ok;
}

std::optional<QString> DialogosAutomaticos::pedirTexto(const QString & /*pregunta*/,
                                                       const QString & /*titulo*/)
{
    return std::nullopt;
}

QString DialogosAutomaticos::archivoParaAbrir(const QString & /*filtro*/)
{
    return {};
}

QString DialogosAutomaticos::archivoParaGuardar(const QString & /*filtro*/)
{
    return {};
}

qint32 DialogosAutomaticos::elegirColor(qint32 inicial)
{
    return inicial;
}
