// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogosconaviso.h"

DialogService::Respuesta DialogosConAviso::mensaje(const QString &texto, const QString &titulo,
                                                   Botones botones, Icono icono,
                                                   const OpcionesMensaje &opciones)
{
    return m_dialogos.mensaje(texto, titulo, botones, icono, conAviso(opciones));
}

void DialogosConAviso::abrirMensaje(const QString &texto, const QString &titulo, Botones botones,
                                    Icono icono, const OpcionesMensaje &opciones,
                                    AlResponder alResponder)
{
    m_dialogos.abrirMensaje(texto, titulo, botones, icono, conAviso(opciones),
                            std::move(alResponder));
}

OpcionesMensaje DialogosConAviso::conAviso(const OpcionesMensaje &opciones) const
{
    OpcionesMensaje conPalabras = opciones;
    if (conPalabras.antes.isEmpty() && m_porDecir)
        conPalabras.antes = m_porDecir();
    return conPalabras;
}
