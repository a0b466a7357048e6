// SPDX-License-Identifier: GPL-3.0-or-later

#include "autodialogs.h"

DialogService::Respuesta AutoDialogs::mensaje(const QString &texto, const QString &,
                                              Botones botones, Icono icono, const OpcionesMensaje &)
{
    if (icono == Icono::Critico)
        m_ultimoError = texto;
    switch (botones) {
    case Botones::Ok:
        m_ultimoAviso = texto;
        if (m_alAvisar)
            m_alAvisar(texto);
        return Respuesta::Ok;
    case Botones::OkCancel:
        return Respuesta::Ok;
    case Botones::YesNo:
        return !m_alPreguntar || m_alPreguntar(texto) ? Respuesta::Yes : Respuesta::No;
    }
    return Respuesta::Ok;
}
