// SPDX-License-Identifier: GPL-3.0-or-later

#include "archivos.h"

#include "savedgamefile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace Archivos {

QByteArray contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no se puede leer>");
}

bool escribir(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList listado(const QString &carpeta)
{
    QStringList l;
    QDirIterator it(carpeta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.nextFileInfo());
        const QString hash = info.isDir()
            ? QStringLiteral("<carpeta>")
            : QString::fromLatin1(
                QCryptographicHash::hash(contenido(info.filePath()), QCryptographicHash::Sha1)
                    .toHex());
        l << QDir(carpeta).relativeFilePath(info.filePath()) + QLatin1Char(' ') + hash;
    }
    l.sort();
    return l;
}

QByteArray dePartida(const SavedGame &partida)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SavedGameFile::write(buffer, partida);
    return buffer.data();
}

QList<QByteArray> lineas(const QByteArray &archivo)
{
    QList<QByteArray> l = archivo.split('\n');
    l.removeLast(); // after the last line end
    for (QByteArray &linea : l)
        linea.chop(1); // CR
    return l;
}

QByteArray deLineas(const QList<QByteArray> &lineas)
{
    return lineas.isEmpty() ? QByteArray() : lineas.join("\r\n") + "\r\n";
}

} // namespace Archivos
