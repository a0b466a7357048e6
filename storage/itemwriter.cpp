// SPDX-License-Identifier: GPL-3.0-or-later

#include "itemwriter.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace {
// What the encoder puts in place of a character it cannot write.
constexpr char kEncoderSubstitute = '\x1a';
} // namespace

ItemWriter::ItemWriter(QIODevice &device)
    : m_device(device)
    , m_encoder("windows-1252")
    // Without the codec (a Qt built without ICU) every accented name would come out wrong;
    // refusing to write is better than a file that reads back different.
    , m_ok(device.isWritable() && m_encoder.isValid())
{
}

void ItemWriter::writeText(const QString &text)
{
    QString stored = text;
    stored.replace(QLatin1Char('"'), QLatin1Char('\''));
    QByteArray bytes = m_encoder.encode(stored);
    bytes.replace(kEncoderSubstitute, '?');
    writeLine('"' + bytes + '"');
}

void ItemWriter::writeNumber(qint64 value)
{
    writeLine(QByteArray::number(value));
}

void ItemWriter::writeBool(bool value)
{
    writeLine(value ? QByteArrayLiteral("#TRUE#") : QByteArrayLiteral("#FALSE#"));
}

void ItemWriter::writeLine(QByteArray line)
{
    if (!m_ok) {
        return;
    }
    line.append("\r\n");
    if (m_device.write(line) != line.size()) {
        m_ok = false;
    }
}
