// SPDX-License-Identifier: GPL-3.0-or-later

#include "userdatafolder.h"

#include <QDir>
#include <QStandardPaths>

QString UserDataFolder::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/zelbo");
}

bool UserDataFolder::make(const QString &folder)
{
    return QDir().mkpath(folder);
}
