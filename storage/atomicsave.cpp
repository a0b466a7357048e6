// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomicsave.h"

#include "itemfileerror.h"

#include <QSaveFile>

bool AtomicSave::save(const QString &path, const std::function<void(QIODevice &)> &writeContent)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    try {
        writeContent(file);
    } catch (const ItemFileError &) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
