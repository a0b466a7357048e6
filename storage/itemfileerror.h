// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "itemreader.h"

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

    // The error where the reader stood ("line 4: item 5: not a boolean: x").
    static QString reason(const ItemReader &reader, const ItemFileError &error)
    {
        return reader.where() + QStringLiteral(": ") + QString::fromStdString(error.what());
    }
};
