// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The Difícil player's own chance (splitmix64). It shares nothing with the
// generator that deals, so choosing a level or thinking never changes a deal,
// and a seed gives the same draws on every machine.
class GeneradorDificil
{
public:
    explicit GeneradorDificil(std::uint64_t semilla)
        : m_estado(semilla)
    {
    }

    std::uint64_t siguiente()
    {
        m_estado += 0x9E3779B97F4A7C15ULL;
        return mezcla(m_estado);
    }

    // Uniform in [0, n) for 0 < n < 2^32, by multiplication rather than a
    // modulo, so no value is favoured.
    int menorQue(int n)
    {
        return static_cast<int>(((siguiente() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

    // Folds v into the running hash h.
    static std::uint64_t combinar(std::uint64_t h, std::uint64_t v)
    {
        return mezcla(h ^ (v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2)));
    }

private:
    static std::uint64_t mezcla(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t m_estado;
};
