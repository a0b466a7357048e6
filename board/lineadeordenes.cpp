// SPDX-License-Identifier: GPL-3.0-or-later

#include "lineadeordenes.h"

#include <QFileInfo>
#include <QProcess>

bool LineaDeOrdenes::iniciar(const QString &linea)
{
    // A picked path may hold blanks: the whole text names the program when
    // such a file exists; otherwise it is a command line.
    if (QFileInfo(linea).isFile())
        return QProcess::startDetached(linea, {});
    QStringList partes = QProcess::splitCommand(linea);
    if (partes.isEmpty())
        return false;
    const QString programa = partes.takeFirst();
    return QProcess::startDetached(programa, partes);
}
