// SPDX-License-Identifier: GPL-3.0-or-later

#include "regularfile.h"

#include <QFile>
#include <QFileInfo>

bool RegularFile::openForReading(QFile &file, QString *reason)
{
    const QFileInfo info(file.fileName());
    QString why;
    if (info.exists() && !info.isFile())
        why = QStringLiteral("not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        why = QStringLiteral("cannot be opened: ") + file.errorString();
    if (reason)
        *reason = why;
    return why.isEmpty();
}
