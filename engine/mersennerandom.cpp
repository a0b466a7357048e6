#include "mersennerandom.h"

#include <chrono>
#include <sstream>

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
    m_generador.seed(semilla);
}

std::string MersenneRandom::estado() const
{
    std::ostringstream texto;
    texto << m_generador;
    return texto.str();
}

bool MersenneRandom::restaurar(const std::string &estado)
{
    std::istringstream texto(estado);
    std::mt19937_64 leido;
    texto >> leido;
    if (texto.fail())
        return false;
    texto >> std::ws;
    if (!texto.eof())
        return false;
    m_generador = leido;
    return true;
}
