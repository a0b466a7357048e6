// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavwriter.h"

#include <QDataStream>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

bool WavWriter::write(const QString &path, const Synth::Samples &samples, int rate)
{
    constexpr quint16 kChannels = 1;
    constexpr quint16 kBits = 16;
    constexpr quint16 kBlock = kChannels * kBits / 8;
    const auto dataBytes = static_cast<quint32>(samples.size() * kBlock);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << kChannels << quint32(rate) << quint32(rate * kBlock)
        << kBlock << kBits;
    out.writeRawData("data", 4);
    out << dataBytes;
    for (const float s : samples)
        out << static_cast<qint16>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    return out.status() == QDataStream::Ok && file.commit();
}
