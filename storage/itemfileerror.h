// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "itemreader.h"

#include <QFileDevice>
#include <QString>
#include <stdexcept>

// An item file cannot be read or written: the device failed, the file ends before the item
// asked for, or an item does not hold the kind of value asked for. The operation ends there.
class ItemFileError : public std::runtime_error
{
public:
    explicit ItemFileError(const QString &text)
        : std::runtime_error(text.toStdString())
    {
    }

    // The error where the reader stood ("line 4: item 5: not a boolean: x"); without a
    // reader (the codec is missing) the error alone.
    static QString reason(const ItemReader *reader, const ItemFileError &error)
    {
        const QString what = QString::fromStdString(error.what());
        return reader ? reader->where() + QStringLiteral(": ") + what : what;
    }

    static QString cannotOpen(const QFileDevice &file)
    {
        return QStringLiteral("cannot be opened: ") + file.errorString();
    }
};
