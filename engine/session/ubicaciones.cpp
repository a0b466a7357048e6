// SPDX-License-Identifier: GPL-3.0-or-later

#include "ubicaciones.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace {
const QString kNaipe = QStringLiteral("naipe40.db");
const QString kPreferencias = QStringLiteral("lastprop.dat");
const QString kPorDefecto = QStringLiteral("pordefect.dat");
} // namespace

Ubicaciones::Ubicaciones(QString datos, QString usuario, bool instalado, QString documentos,
                         QString modulos)
    : m_datos(std::move(datos))
    , m_usuario(std::move(usuario))
    , m_instalado(instalado)
    , m_documentos(std::move(documentos))
    , m_modulos(std::move(modulos))
{
}

Ubicaciones Ubicaciones::junto(const QString &carpeta)
{
    return Ubicaciones(carpeta, carpeta, false, {}, carpeta);
}

Ubicaciones Ubicaciones::paraPrograma(const QString &programDir, const QString &datosDelUsuario,
                                      const QString &documentos)
{
    if (QFileInfo::exists(programDir + QLatin1Char('/') + kNaipe))
        return junto(programDir);
    const QString datos = QDir::cleanPath(programDir + QStringLiteral("/../share/zelbo"));
    const QString modulos = QDir::cleanPath(programDir + QStringLiteral("/../lib/games/zelbo"));
    return Ubicaciones(datos, datosDelUsuario + QStringLiteral("/zelbo"), true, documentos,
                       modulos);
}

Ubicaciones Ubicaciones::delSistema(const QString &programDir)
{
    return paraPrograma(programDir,
                        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString Ubicaciones::dato(const QString &nombre) const
{
    return m_datos + QLatin1Char('/') + nombre;
}

QString Ubicaciones::delUsuario(const QString &nombre) const
{
    return m_usuario + QLatin1Char('/') + nombre;
}

bool Ubicaciones::prepararCarpetaDelUsuario() const
{
    if (!m_instalado)
        return true;
    if (!QDir().mkpath(m_usuario))
        return false;
    const QString preferencias = delUsuario(kPreferencias);
    if (QFileInfo::exists(preferencias))
        return true;
    // A copy keeps the shipped file's permissions, read-only in a system folder.
    if (!QFile::copy(dato(kPorDefecto), preferencias))
        return false;
    return QFile::setPermissions(
        preferencias, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}
