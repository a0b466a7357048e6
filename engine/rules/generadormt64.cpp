// SPDX-License-Identifier: GPL-3.0-or-later

#include "generadormt64.h"

#include <sstream>

namespace {

constexpr std::uint64_t kMatriz = 0xB5026F5AA96619E9ULL;
constexpr std::uint64_t kMultiplicador = 6364136223846793005ULL;
constexpr std::uint64_t kAltos = ~std::uint64_t { 0 } << 31;
constexpr std::uint64_t kBajos = ~kAltos;

// One word of the twist. The matrix is applied by a mask rather than a branch,
// so the loops below have no branch and vectorise.
std::uint64_t torcer(std::uint64_t actual, std::uint64_t siguiente, std::uint64_t lejano)
{
    const std::uint64_t y = (actual & kAltos) | (siguiente & kBajos);
    return lejano ^ (y >> 1) ^ ((std::uint64_t { 0 } - (y & 1U)) & kMatriz);
}

std::uint64_t templado(std::uint64_t z)
{
    z ^= (z >> 29) & 0x5555555555555555ULL;
    z ^= (z << 17) & 0x71D67FFFEDA60000ULL;
    z ^= (z << 37) & 0xFFF7EEE000000000ULL;
    return z ^ (z >> 43);
}

// The block loops are built twice, for 256-bit vectors and for any x86-64;
// the loader picks the one the machine runs.
#if defined(__x86_64__) && defined(__GNUC__)
#define ZELBO_VECTORES_ANCHOS __attribute__((target_clones("avx2", "default")))
#else
#define ZELBO_VECTORES_ANCHOS
#endif

ZELBO_VECTORES_ANCHOS void girarBloque(std::uint64_t *x)
{
    constexpr std::size_t kN = GeneradorMt64::kN;
    constexpr std::size_t kM = GeneradorMt64::kM;
    for (std::size_t k = 0; k < kN - kM; ++k)
        x[k] = torcer(x[k], x[k + 1], x[k + kM]);
    // An even count of words in each loop lets the compiler take them in pairs
    // with nothing left over; the last two follow one by one.
    for (std::size_t k = kN - kM; k < kN - 2; ++k)
        x[k] = torcer(x[k], x[k + 1], x[k + kM - kN]);
    x[kN - 2] = torcer(x[kN - 2], x[kN - 1], x[kM - 2]);
    x[kN - 1] = torcer(x[kN - 1], x[0], x[kM - 1]);
}

ZELBO_VECTORES_ANCHOS void templarBloque(const std::uint64_t *estado, std::uint64_t *templados)
{
    for (std::size_t i = 0; i < GeneradorMt64::kN; ++i)
        templados[i] = templado(estado[i]);
}

#undef ZELBO_VECTORES_ANCHOS

} // namespace

GeneradorMt64::GeneradorMt64(std::uint64_t semilla)
{
    sembrar(semilla);
}

void GeneradorMt64::sembrar(std::uint64_t semilla)
{
    m_estado[0] = semilla;
    for (std::size_t i = 1; i < kN; ++i)
        m_estado[i] = kMultiplicador * (m_estado[i - 1] ^ (m_estado[i - 1] >> 62)) + i;
    m_posicion = kN;
}

void GeneradorMt64::girar()
{
    girarBloque(m_estado.data());
    templar();
    m_posicion = 0;
}

void GeneradorMt64::templar()
{
    templarBloque(m_estado.data(), m_templados.data());
}

std::string GeneradorMt64::estado() const
{
    std::ostringstream texto;
    for (const std::uint64_t palabra : m_estado)
        texto << palabra << ' ';
    texto << m_posicion;
    return texto.str();
}

bool GeneradorMt64::restaurar(const std::string &texto)
{
    std::istringstream entrada(texto);
    std::array<std::uint64_t, kN> leido {};
    std::size_t posicion = 0;
    for (std::uint64_t &palabra : leido)
        entrada >> palabra;
    entrada >> posicion;
    if (entrada.fail())
        return false;
    entrada >> std::ws;
    if (!entrada.eof())
        return false;
    m_estado = leido;
    m_posicion = posicion;
    templar();
    return true;
}
