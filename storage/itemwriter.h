// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QByteArray;
class QIODevice;
class QString;

// Writes items one per line, each closed by CR LF, as 8-bit Windows-1252 text:
// text between double quotes, whole numbers in plain decimal, booleans as #TRUE# / #FALSE#.
// A failed write does not throw: ok() turns false and every later item is dropped, so a
// caller checks once at the end instead of after every line.
class ItemWriter
{
public:
    explicit ItemWriter(QIODevice &device);

    // A double quote inside the text cannot be stored (nothing is escaped, and the reader
    // would cut the item there and shift every later one), so it is written as an
    // apostrophe. A character that Windows-1252 lacks is written as "?".
    void writeText(const QString &text);
    // The text a reader gets back from the item writeText(text) wrote.
    static QString storedText(const QString &text);
    void writeNumber(qint64 value);
    void writeBool(bool value);

    bool ok() const { return m_ok; }

private:
    static QByteArray encoded(const QString &text);
    void writeLine(QByteArray line);

    QIODevice &m_device;
    bool m_ok;
};
