// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The 64-bit Mersenne Twister of the C++ library (std::mt19937_64): the same
// numbers for the same seed, and the same state text as this platform's
// library writes (the 312 words, then the position). It twists and tempers a
// whole block of 312 numbers at a time in plain loops that the compiler turns
// into vector code, then hands them out one by one: the deal draws some 170
// numbers a hand, most of them rejected, and the library's engine tempers
// each one as it is asked for, which cost several times more.
class GeneradorMt64
{
public:
    // The words of the state, and the distance of the word each one is twisted with.
    static constexpr std::size_t kN = 312;
    static constexpr std::size_t kM = 156;

    explicit GeneradorMt64(std::uint64_t semilla);

    void sembrar(std::uint64_t semilla);
    std::uint64_t operator()()
    {
        if (m_posicion >= kN) [[unlikely]]
            girar();
        return m_templados[m_posicion++];
    }

    // The state as text, and back; restaurar returns false, and changes
    // nothing, for a text that is not such a state.
    std::string estado() const;
    bool restaurar(const std::string &texto);

private:
    void girar();
    void templar();

    std::array<std::uint64_t, kN> m_estado {};
    // The numbers of the current block, ready to be handed out.
    std::array<std::uint64_t, kN> m_templados {};
    std::size_t m_posicion = kN;
};
