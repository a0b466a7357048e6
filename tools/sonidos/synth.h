// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// Mono samples in [-1, 1] and the few voices the game's sounds are made of. Everything is
// computed from fixed numbers (the noise too), so every build writes the same files.
class Synth
{
public:
    static constexpr int kRate = 22050;

    using Samples = std::vector<float>;

    // Silence of the given length.
    static Samples silence(double seconds);
    // A struck bell-like tone: a quick attack, then an exponential decay of the given time
    // constant, with a soft second and third partial.
    static Samples chime(double hertz, double seconds, double decay);
    // A breath of noise whose brightness glides from one cut-off to another, shaped by a
    // rise and a fall: the sound of a card sliding over cloth.
    static Samples swish(double seconds, double fromHertz, double toHertz, double peakAt);
    // A short dull knock: a low tone and a burst of dark noise, both dying fast.
    static Samples tap(double hertz, double seconds);

    // Adds source into target from atSeconds on, scaled by gain; target grows as needed.
    static void mix(Samples &target, const Samples &source, double atSeconds, float gain);
    // Scales the samples so that the loudest one is peak.
    static void normalize(Samples &samples, float peak);

private:
    // A fixed pseudo-random sequence in [-1, 1].
    static float noise(std::uint32_t &state);
    // A short fade at the end, so that no sound stops with a click (each voice has its own
    // attack).
    static void fadeOut(Samples &samples);
};
