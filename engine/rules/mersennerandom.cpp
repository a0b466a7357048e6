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

// The base class's loops with the draw inlined: the deal makes most of the
// game's draws here. Every draw lands in salida and only a new number moves
// on, so the loop has no branch to guess but its end. n times the draw's scale
// is exact, so scaling the raw bits by it rounds once, to the very number
// n * next() gives.
void MersenneRandom::enterosFuera(int n, std::uint64_t excluidos, int cuantos, int *salida)
{
    const double escala = n * kDosALaMenos53;
    int sacados = 0;
    while (sacados < cuantos) {
        const int k = static_cast<int>(static_cast<double>(m_generador() >> 11) * escala);
        const std::uint64_t bit = std::uint64_t { 1 } << k;
        salida[sacados] = k;
        sacados += (excluidos & bit) == 0 ? 1 : 0;
        excluidos |= bit;
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
