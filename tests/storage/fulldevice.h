// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>

// Accepts writes up to a fixed size, then refuses them: a full disk.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 capacity)
        : m_capacity(capacity)
    {
        open(QIODevice::WriteOnly);
    }
    const QByteArray &written() const { return m_written; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_written.size() + length > m_capacity) {
            return -1;
        }
        m_written.append(data, length);
        return length;
    }

private:
    qint64 m_capacity;
    QByteArray m_written;
};
