// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

// Small helpers shared by the fuzz targets.
class FuzzCheck
{
public:
    FuzzCheck() = delete;

    // A broken property ends the run; libFuzzer keeps the input that did it.
    static void require(bool property)
    {
        if (!property) {
            std::abort();
        }
    }

    static QByteArray bytes(const std::uint8_t *data, std::size_t size)
    {
        return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    }

    // A text as it reads back after ItemWriter wrote it: a double quote cannot be stored and
    // becomes an apostrophe; U+001A is the encoder's mark for an unwritable character and so
    // becomes "?" too. Every other character the reader can produce is writable.
    static QString asWritten(QString text)
    {
        return text.replace(QLatin1Char('"'), QLatin1Char('\''))
            .replace(QChar(0x1a), QLatin1Char('?'));
    }
};
