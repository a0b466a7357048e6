// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "synth.h"

#include <QString>

// Writes samples as a 16-bit mono PCM WAV file, the plainest form every player reads.
class WavWriter
{
public:
    // False when the file cannot be written.
    static bool write(const QString &path, const Synth::Samples &samples, int rate);
};
