// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// Where the game's chance comes from: values uniformly in [0, 1).
// The program seeds one from the clock; tests and the simulator seed their own.
// Its whole state can be taken and put back, so a position taken back with
// undo deals again exactly what it dealt before.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    // A whole number from 0 to n - 1 (n at most 64) whose bit is clear in
    // excluidos, drawn as int(n * next()) again and again until one is: the
    // very draws of that loop, in one call. The deal draws most of its cards
    // several times over; a generator may override this to spare the call per
    // draw, but must keep the draws. (n * next() stays below n: a value below
    // 1 times n never rounds up to n.)
    virtual int enteroFuera(int n, std::uint64_t excluidos)
    {
        for (;;) {
            const int k = static_cast<int>(n * next());
            if (((excluidos >> k) & 1U) == 0)
                return k;
        }
    }
    // Starts the sequence of the given seed (a numbered game's).
    virtual void sembrar(std::uint64_t semilla) = 0;
    virtual std::string estado() const = 0;
    // False, and nothing changes, for a text that is not such a state.
    virtual bool restaurar(const std::string &estado) = 0;
};
