// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"

AjustesJuego::AjustesJuego(const QString &fichero, QSettings::Format formato, QObject *parent)
    : QObject(parent)
    , m_fichero(fichero)
    , m_formato(formato)
{
    releer();
}

AjustesJuego::AjustesJuego()
    : m_formato(QSettings::IniFormat)
{
}

AjustesJuego AjustesJuego::abrirDelUsuario()
{
    // The names give the file players already have; nothing else in the program names it.
    return AjustesJuego(QSettings(QStringLiteral("zelbo"), QStringLiteral("zelbo")).fileName(),
                        QSettings::NativeFormat);
}

void AjustesJuego::releer()
{
    m_valores.clear();
    if (!m_fichero.isEmpty()) {
        const QSettings ajustes(m_fichero, m_formato);
        for (const QString &nombre : ajustes.allKeys())
            m_valores.insert(nombre, ajustes.value(nombre));
    }
    emit cambiado();
}

bool AjustesJuego::escribir(const QString &nombre, const QVariant &valor)
{
    m_valores.insert(nombre, valor);
    const bool escrito = m_fichero.isEmpty() || guardar(nombre, valor);
    emit cambiado();
    return escrito;
}

bool AjustesJuego::guardar(const QString &nombre, const QVariant &valor) const
{
    QSettings ajustes(m_fichero, m_formato);
    ajustes.setValue(nombre, valor);
    ajustes.sync();
    return ajustes.status() == QSettings::NoError;
}

NivelCpu AjustesJuego::leido(const QVariant &guardado, NivelCpu porDefecto)
{
    return NivelesCpu::deClave(guardado.toString()).value_or(porDefecto);
}

VelocidadCpu AjustesJuego::leido(const QVariant &guardado, VelocidadCpu porDefecto)
{
    return VelocidadesCpu::deClave(guardado.toString()).value_or(porDefecto);
}

// As QVariant reads a stored word: anything but "false", "0" or nothing is true.
bool AjustesJuego::leido(const QVariant &guardado, bool)
{
    return guardado.toBool();
}

QVariant AjustesJuego::guardable(NivelCpu nivel)
{
    return NivelesCpu::clave(nivel);
}

QVariant AjustesJuego::guardable(VelocidadCpu velocidad)
{
    return VelocidadesCpu::clave(velocidad);
}

QVariant AjustesJuego::guardable(bool activo)
{
    return activo;
}

namespace {
const QLatin1String kClasica("clasica");
const QLatin1String kModerna("moderna");
} // namespace

TipoMesa AjustesJuego::leido(const QVariant &guardado, TipoMesa porDefecto)
{
    const QString clave = guardado.toString();
    if (clave == kClasica)
        return TipoMesa::Clasica;
    return clave == kModerna ? TipoMesa::Moderna : porDefecto;
}

QVariant AjustesJuego::guardable(TipoMesa mesa)
{
    return mesa == TipoMesa::Moderna ? kModerna : kClasica;
}

QString AjustesJuego::leido(const QVariant &guardado, const QString &)
{
    return guardado.toString();
}

QVariant AjustesJuego::guardable(const QString &texto)
{
    return texto;
}

EstiloCaras AjustesJuego::leido(const QVariant &guardado, EstiloCaras porDefecto)
{
    return AspectoCartas::estiloDeClave(guardado.toString()).value_or(porDefecto);
}

ReversoIncluido AjustesJuego::leido(const QVariant &guardado, ReversoIncluido porDefecto)
{
    return AspectoCartas::reversoDeClave(guardado.toString()).value_or(porDefecto);
}

QVariant AjustesJuego::guardable(EstiloCaras estilo)
{
    return AspectoCartas::clave(estilo);
}

QVariant AjustesJuego::guardable(ReversoIncluido reverso)
{
    return AspectoCartas::clave(reverso);
}

QByteArray AjustesJuego::leido(const QVariant &guardado, const QByteArray &)
{
    return guardado.toByteArray();
}

QVariant AjustesJuego::guardable(const QByteArray &datos)
{
    return datos;
}
