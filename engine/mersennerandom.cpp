// SPDX-License-Identifier: GPL-3.0-or-later

#include "mersennerandom.h"

#include <chrono>

MersenneRandom::MersenneRandom(std::uint64_t semilla)
    : m_generador(semilla)
{
}

std::uint64_t MersenneRandom::semillaDelReloj()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// The base class's loop with the draw inlined: the deal makes most of the
// game's draws here.
int MersenneRandom::enteroFuera(int n, std::uint64_t excluidos)
{
    for (;;) {
        const int k = static_cast<int>(n * siguiente());
        if (((excluidos >> k) & 1U) == 0)
            return k;
    }
}

void MersenneRandom::sembrar(std::uint64_t semilla)
{
    m_generador.sembrar(semilla);
}

std::string MersenneRandom::estado() const
{
    return m_generador.estado();
}

bool MersenneRandom::restaurar(const std::string &estado)
{
    return m_generador.restaurar(estado);
}
