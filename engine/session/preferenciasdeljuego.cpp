// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferenciasdeljuego.h"

#include <utility>

PreferenciasDelJuego::PreferenciasDelJuego(GameState &estado, ZelboView &vista,
                                           DialogService &dialogos, AjustesJuego &ajustes,
                                           QString fichero)
    : m_estado(estado)
    , m_vista(vista)
    , m_propiedades(estado, m_valores, vista, dialogos, ajustes)
    , m_fichero(std::move(fichero))
{
}

bool PreferenciasDelJuego::leer()
{
    return m_fichero.isEmpty() || m_propiedades.leer(m_fichero);
}

bool PreferenciasDelJuego::LoadProperty(const QString &fichero)
{
    return m_propiedades.LoadProperty(fichero);
}

bool PreferenciasDelJuego::cargar()
{
    return m_fichero.isEmpty() || LoadProperty(m_fichero);
}

bool PreferenciasDelJuego::SaveProperty()
{
    return m_fichero.isEmpty() || m_propiedades.SaveProperty(m_fichero);
}

void PreferenciasDelJuego::aceptar(const Preferencias &nuevas)
{
    m_valores = nuevas;
    m_vista.aplicarColorFondo(m_valores.colorFondo);
    SaveProperty();
}

void PreferenciasDelJuego::restaurar(const QString &nombreCpu, const QString &nombreHumano,
                                     const Preferencias &p)
{
    m_estado.jugadorCpu.a_nombre(nombreCpu);
    m_estado.jugadorHumano.a_nombre(nombreHumano);
    m_valores = p;
    m_vista.aplicarColorFondo(m_valores.colorFondo);
}

void PreferenciasDelJuego::cargarReverso(const QString &porDefecto)
{
    const QString &reverso = m_valores.reverso;
    if (!m_vista.cargarReverso(reverso.isEmpty() ? porDefecto : reverso)) {
        m_valores.reverso = porDefecto;
        m_vista.cargarReverso(porDefecto);
    }
}
