#pragma once

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
};
