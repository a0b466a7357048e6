// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundset.h"

namespace {
constexpr float kPeak = 0.35f; // about -9 dB below full scale
constexpr float kChimePeak = 0.28f; // tones sound louder than noise of the same peak

// Equal-tempered notes.
constexpr double kF3 = 174.61;
constexpr double kA3 = 220.00;
constexpr double kC5 = 523.25;
constexpr double kE5 = 659.25;
constexpr double kG5 = 783.99;
constexpr double kC6 = 1046.50;
constexpr double kA4 = 440.00;
constexpr double kF4 = 349.23;
constexpr double kD4 = 293.66;
constexpr double kG4 = 392.00;

Synth::Samples normalized(Synth::Samples samples, float peak)
{
    Synth::normalize(samples, peak);
    return samples;
}
} // namespace

QList<SoundSet::Sound> SoundSet::all()
{
    return {
        { QStringLiteral("carta"), normalized(cardLaid(), kPeak) },
        { QStringLiteral("levantar"), normalized(lift(), kPeak) },
        { QStringLiteral("monton"), normalized(pileTaken(), kPeak) },
        { QStringLiteral("reparto"), normalized(deal(), kPeak) },
        { QStringLiteral("rechazo"), normalized(refused(), kChimePeak) },
        { QStringLiteral("manoganada"), normalized(notes({ kC5, kE5 }, 0.11, 0.30), kChimePeak) },
        { QStringLiteral("manoperdida"), normalized(notes({ kA4, kF4 }, 0.13, 0.30), kChimePeak) },
        { QStringLiteral("partidaganada"),
          normalized(notes({ kC5, kE5, kG5, kC6 }, 0.10, 0.30), kChimePeak) },
        { QStringLiteral("partidaperdida"),
          normalized(notes({ kG4, kF4, kD4 }, 0.15, 0.30), kChimePeak) },
    };
}

// A card put down: a short slide ending in a soft knock.
Synth::Samples SoundSet::cardLaid()
{
    Synth::Samples out = Synth::swish(0.07, 5000.0, 2500.0, 0.3);
    Synth::mix(out, Synth::tap(180.0, 0.06), 0.045, 0.8f);
    return out;
}

// Cards gathered from the table: a longer brush, rising.
Synth::Samples SoundSet::lift()
{
    Synth::Samples out = Synth::swish(0.22, 1500.0, 6000.0, 0.6);
    Synth::mix(out, Synth::tap(220.0, 0.05), 0.0, 0.4f);
    return out;
}

// A whole pile swept in: a wider, slower brush and the pile set down.
Synth::Samples SoundSet::pileTaken()
{
    Synth::Samples out = Synth::swish(0.36, 900.0, 4500.0, 0.45);
    Synth::mix(out, Synth::tap(150.0, 0.07), 0.30, 0.9f);
    return out;
}

// Four cards flicked out one after the other.
Synth::Samples SoundSet::deal()
{
    Synth::Samples out = Synth::silence(0.0);
    for (int i = 0; i < 4; ++i) {
        Synth::mix(out, Synth::swish(0.06, 6000.0, 3000.0, 0.2), 0.09 * i, 1.0f);
        Synth::mix(out, Synth::tap(200.0 + 15.0 * i, 0.04), 0.09 * i + 0.04, 0.5f);
    }
    return out;
}

// A low, muffled two-note "no", over before it can annoy.
Synth::Samples SoundSet::refused()
{
    Synth::Samples out = Synth::chime(kA3, 0.12, 0.05);
    Synth::mix(out, Synth::chime(kF3, 0.16, 0.05), 0.09, 1.0f);
    return out;
}

// Struck notes step seconds apart, the last one left to ring for last seconds.
Synth::Samples SoundSet::notes(const QList<double> &hertz, double step, double last)
{
    Synth::Samples out = Synth::silence(0.0);
    for (qsizetype i = 0; i < hertz.size(); ++i) {
        const bool final = i == hertz.size() - 1;
        Synth::mix(out, Synth::chime(hertz.at(i), final ? last : step + 0.08, final ? 0.12 : 0.06),
                   step * static_cast<double>(i), 1.0f);
    }
    return out;
}
