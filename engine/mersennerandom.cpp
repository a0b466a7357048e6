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

double MersenneRandom::next()
{
    return m_uniforme(m_generador);
}
