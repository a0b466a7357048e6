// SPDX-License-Identifier: GPL-3.0-or-later

#include "itemwriter.h"

#include "windows1252.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

ItemWriter::ItemWriter(QIODevice &device)
    : m_device(device)
    , m_ok(device.isWritable())
{
}

void ItemWriter::writeText(const QString &text)
{
    writeLine('"' + encoded(text) + '"');
}

QString ItemWriter::storedText(const QString &text)
{
    return Windows1252::decode(encoded(text));
}

QByteArray ItemWriter::encoded(const QString &text)
{
    QString stored = text;
    stored.replace(QLatin1Char('"'), QLatin1Char('\''));
    QByteArray bytes = Windows1252::encode(stored);
    bytes.replace(Windows1252::kSubstitute, '?');
    return bytes;
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
