// SPDX-License-Identifier: GPL-3.0-or-later

#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kAttack = 0.004;
constexpr double kFade = 0.003;

std::size_t length(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * Synth::kRate));
}
} // namespace

Synth::Samples Synth::silence(double seconds)
{
    return Samples(length(seconds), 0.0f);
}

Synth::Samples Synth::chime(double hertz, double seconds, double decay)
{
    Samples out(length(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double envelope = std::min(1.0, t / kAttack) * std::exp(-t / decay);
        const double partials = std::sin(kTwoPi * hertz * t)
            + 0.25 * std::sin(kTwoPi * 2.0 * hertz * t) * std::exp(-t / (decay * 0.5))
            + 0.08 * std::sin(kTwoPi * 3.0 * hertz * t) * std::exp(-t / (decay * 0.3));
        out[i] = static_cast<float>(envelope * partials);
    }
    fadeOut(out);
    return out;
}

// A one-pole low-pass minus a slower one is a gentle band-pass whose centre follows the
// gliding cut-off; that is enough for paper on cloth.
Synth::Samples Synth::swish(double seconds, double fromHertz, double toHertz, double peakAt)
{
    Samples out(length(seconds));
    std::uint32_t state = 0x2545F491u;
    double bright = 0.0;
    double dark = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(out.size());
        const double cutoff = fromHertz * std::pow(toHertz / fromHertz, x);
        const double a = 1.0 - std::exp(-kTwoPi * cutoff / kRate);
        const double b = 1.0 - std::exp(-kTwoPi * cutoff * 0.25 / kRate);
        const double n = noise(state);
        bright += a * (n - bright);
        dark += b * (n - dark);
        const double envelope = x < peakAt ? x / peakAt : std::pow((1.0 - x) / (1.0 - peakAt), 2.0);
        out[i] = static_cast<float>(envelope * (bright - dark));
    }
    fadeOut(out);
    return out;
}

Synth::Samples Synth::tap(double hertz, double seconds)
{
    Samples out(length(seconds));
    std::uint32_t state = 0x9E3779B9u;
    double dark = 0.0;
    const double a = 1.0 - std::exp(-kTwoPi * 1800.0 / kRate);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        dark += a * (noise(state) - dark);
        const double body = std::sin(kTwoPi * hertz * t) * std::exp(-t / 0.018);
        const double click = dark * std::exp(-t / 0.006);
        out[i] = static_cast<float>(std::min(1.0, t / 0.001) * (0.7 * body + 0.9 * click));
    }
    fadeOut(out);
    return out;
}

void Synth::mix(Samples &target, const Samples &source, double atSeconds, float gain)
{
    const std::size_t from = length(atSeconds);
    if (target.size() < from + source.size())
        target.resize(from + source.size(), 0.0f);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[from + i] += gain * source[i];
}

void Synth::normalize(Samples &samples, float peak)
{
    float loudest = 0.0f;
    for (const float s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest <= 0.0f)
        return;
    for (float &s : samples)
        s *= peak / loudest;
}

float Synth::noise(std::uint32_t &state)
{
    // xorshift32: the same sequence on every machine.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<float>(state) / 2147483648.0f - 1.0f;
}

void Synth::fadeOut(Samples &samples)
{
    const std::size_t fade = std::min(length(kFade), samples.size() / 2);
    for (std::size_t i = 0; i < fade; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(fade);
        samples[samples.size() - 1 - i] *= g;
    }
}
