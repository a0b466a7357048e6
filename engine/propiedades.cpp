// SPDX-License-Identifier: GPL-3.0-or-later

#include "propiedades.h"

#include "preferencesfile.h"

Propiedades::Propiedades(GameState &estado, Preferencias &preferencias, ZelboView &vista,
                         DialogService &dialogos)
    : m_estado(estado)
    , m_preferencias(preferencias)
    , m_vista(vista)
    , m_dialogos(dialogos)
{
}

PreferenceValues Propiedades::actuales() const
{
    PreferenceValues valores;
    valores.nombreCpu = m_estado.jugadorCpu.nombre();
    valores.nombreHumano = m_estado.jugadorHumano.nombre();
    valores.aplicacion = m_preferencias.aplicacion;
    valores.colorFondo = m_preferencias.colorFondo;
    valores.reverso = m_preferencias.reverso;
    return valores;
}

QString Propiedades::textoDeArchivoDanado()
{
    return tr("El archivo de propiedades no existe o esta dañado");
}

QString Propiedades::tituloDeError()
{
    return tr("Hubo un error");
}

bool Propiedades::LoadProperty(const QString &fichero)
{
    const bool completo = leer(fichero);
    if (!completo)
        m_dialogos.mensaje(textoDeArchivoDanado(), tituloDeError(), DialogService::Botones::Ok,
                           DialogService::Icono::Critico);
    return completo;
}

bool Propiedades::leer(const QString &fichero)
{
    PreferenceValues valores = actuales();
    const bool completo = PreferencesFile::load(fichero, valores);
    m_estado.jugadorCpu.a_nombre(valores.nombreCpu);
    m_estado.jugadorHumano.a_nombre(valores.nombreHumano);
    m_preferencias.aplicacion = valores.aplicacion;
    m_preferencias.colorFondo = valores.colorFondo;
    m_preferencias.reverso = valores.reverso;
    m_vista.aplicarColorFondo(m_preferencias.colorFondo);
    return completo;
}

bool Propiedades::SaveProperty(const QString &fichero)
{
    if (PreferencesFile::save(fichero, actuales()))
        return true;
    m_dialogos.mensaje(tr("No se pudieron guardar las preferencias"), DialogService::kTitulo,
                       DialogService::Botones::Ok, DialogService::Icono::Critico);
    return false;
}
