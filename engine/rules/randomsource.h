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
    // cuantos different whole numbers from 0 to n - 1 (n at most 64) whose
    // bits are clear in excluidos, into salida: each drawn as int(n * next())
    // again and again until it is neither excluded nor drawn before. These are
    // the very draws of that loop, in one call: a deal draws most of its cards
    // several times over, and a generator may override this to spare the call
    // per draw and the guess at each repeat, but must keep the draws.
    // (n * next() stays below n: a value below 1 times n never rounds up to n.)
    virtual void enterosFuera(int n, std::uint64_t excluidos, int cuantos, int *salida)
    {
        for (int i = 0; i < cuantos; ++i) {
            int k = 0;
            do
                k = static_cast<int>(n * next());
            while ((excluidos >> k) & 1U);
            salida[i] = k;
            excluidos |= std::uint64_t { 1 } << k;
        }
    }
    // Starts the sequence of the given seed (a numbered game's).
    virtual void sembrar(std::uint64_t semilla) = 0;
    virtual std::string estado() const = 0;
    // False, and nothing changes, for a text that is not such a state.
    virtual bool restaurar(const std::string &estado) = 0;
};
