// SPDX-License-Identifier: GPL-3.0-or-later

#include "propiedades.h"

#include "ajustesjuego.h"
#include "itemwriter.h"
#include "preferencesfile.h"

Propiedades::Propiedades(GameState &estado, Preferencias &preferencias, ZelboView &vista,
                         DialogService &dialogos, AjustesJuego &ajustes)
    : m_estado(estado)
    , m_preferencias(preferencias)
    , m_vista(vista)
    , m_dialogos(dialogos)
    , m_ajustes(ajustes)
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
    // A damaged file may hold any text where the program goes, and "Run" would start it:
    // the program is taken only from a file read whole.
    if (completo)
        m_preferencias.aplicacion = aplicacionLeida(valores.aplicacion);
    m_preferencias.colorFondo = valores.colorFondo;
    m_preferencias.reverso = valores.reverso;
    m_vista.aplicarColorFondo(m_preferencias.colorFondo);
    return completo;
}

bool Propiedades::SaveProperty(const QString &fichero)
{
    if (PreferencesFile::save(fichero, actuales())) {
        recordarAplicacion(m_preferencias.aplicacion);
        return true;
    }
    m_dialogos.mensaje(tr("No se pudieron guardar las preferencias"), DialogService::kTitulo,
                       DialogService::Botones::Ok, DialogService::Icono::Critico);
    return false;
}

// lastprop.dat keeps its format, which writes a double quote as an apostrophe and a letter
// Windows-1252 lacks as "?": a program picked in Opciones at such a path would come back as
// another path, or as a command line cut wrongly. Its exact text is kept in the player's
// settings and stands for the file's text only while the file holds what was written for it;
// a file edited by hand since, or another file, names its own program.
QString Propiedades::aplicacionLeida(const QString &delArchivo) const
{
    const QString exacta = m_ajustes.aplicacion();
    return !exacta.isEmpty() && ItemWriter::storedText(exacta) == delArchivo ? exacta : delArchivo;
}

void Propiedades::recordarAplicacion(const QString &aplicacion)
{
    const QString exacta
        = ItemWriter::storedText(aplicacion) == aplicacion ? QString() : aplicacion;
    // Written only when it changes: most programs never need the settings at all.
    if (m_ajustes.aplicacion() != exacta)
        m_ajustes.setAplicacion(exacta);
}
