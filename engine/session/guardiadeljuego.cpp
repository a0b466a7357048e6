// SPDX-License-Identifier: GPL-3.0-or-later

#include "guardiadeljuego.h"

void GuardiaDelJuego::terminar(int estado)
{
    m_terminado = true;
    m_estadoSalida = estado;
    m_vista.Salir(estado);
}

void GuardiaDelJuego::fallo(const QString &texto)
{
    m_dialogos.mensaje(texto, DialogService::kTitulo, DialogService::Botones::Ok,
                       DialogService::Icono::Critico);
    terminar(1);
}
