// SPDX-License-Identifier: GPL-3.0-or-later

#include "lineadeordenes.h"

#include "dialogservice.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

std::optional<LineaDeOrdenes::Orden> LineaDeOrdenes::orden(const QString &linea)
{
    if (linea.trimmed().isEmpty())
        return std::nullopt;
    // A picked path may hold blanks: the whole text names the program when
    // such a file exists; otherwise it is a command line.
    if (QFileInfo(linea).isFile())
        return Orden { linea, {} };
    QStringList partes = QProcess::splitCommand(linea);
    if (partes.isEmpty())
        return std::nullopt;
    const QString programa = programaDe(linea, partes.takeFirst());
    if (programa.isEmpty())
        return std::nullopt;
    return Orden { programa, partes };
}

// A blank may belong to a path: a picked program whose file is gone,
// "/opt/my tool/launcher.sh", must not start "/opt/my" on "tool/launcher.sh". So a
// command line names its program either by a bare name, found on the PATH, or by a
// path in double quotes, which say where the path ends.
QString LineaDeOrdenes::programaDe(const QString &linea, const QString &primera)
{
    if (!primera.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(primera);
    const QFileInfo fichero(primera);
    const bool entreComillas = linea.trimmed().startsWith(QLatin1Char('"'));
    return entreComillas && fichero.isFile() && fichero.isExecutable() ? primera : QString();
}

bool LineaDeOrdenes::iniciar(const QString &linea, DialogService &dialogos)
{
    if (linea.trimmed().isEmpty())
        return false;
    const std::optional<Orden> aIniciar = orden(linea);
    if (aIniciar && QProcess::startDetached(aIniciar->programa, aIniciar->argumentos))
        return true;
    const QString texto = aIniciar ? tr("No se puede iniciar el programa %1").arg(linea)
                                   : tr("No se encuentra el programa %1").arg(linea);
    dialogos.mensaje(texto, DialogService::kTitulo, DialogService::Botones::Ok,
                     DialogService::Icono::Critico);
    return false;
}
