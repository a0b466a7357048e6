// SPDX-License-Identifier: GPL-3.0-or-later

#include "bucleminimo.h"

namespace {
constexpr std::uint64_t kMezclaHumano = 0x9E3779B97F4A7C15ULL;
} // namespace

void BucleMinimo::Lista::poner(int i, std::uint8_t x)
{
    for (int k = n; k > i; --k)
        c[static_cast<std::size_t>(k)] = c[static_cast<std::size_t>(k - 1)];
    c[static_cast<std::size_t>(i)] = x;
    ++n;
}

void BucleMinimo::Lista::quitar(int i)
{
    --n;
    for (int k = i; k < n; ++k)
        c[static_cast<std::size_t>(k)] = c[static_cast<std::size_t>(k + 1)];
}

BucleMinimo::BucleMinimo(std::uint64_t semilla)
    : m_juego(semilla)
    , m_humano(semilla ^ kMezclaHumano)
{
}

double BucleMinimo::rnd(GeneradorMt64 &g)
{
    return static_cast<double>(g() >> 11) * (1.0 / 9007199254740992.0);
}

int BucleMinimo::elegirHumano(int n)
{
    const int k = static_cast<int>(n * rnd(m_humano));
    return k < n ? k : n - 1;
}

void BucleMinimo::repartir()
{
    int q1 = 3, q2 = 3, qm = 4;
    while (q1 + q2 != 0 && m_repartidas < 40) {
        const int k = static_cast<int>(40 * rnd(m_juego)) + 1;
        if (m_repartida[static_cast<std::size_t>(k)])
            continue;
        const auto x = static_cast<std::uint8_t>(k);
        if (m_primero && qm > 0) {
            m_mesa.poner(m_mesa.n, x);
            --qm;
        } else {
            if (q1 > 0) {
                m_cpu.poner(m_cpu.n, x);
                --q1;
            } else {
                m_hum.poner(m_hum.n, x);
                --q2;
            }
            m_primero = false;
        }
        m_repartida[static_cast<std::size_t>(k)] = true;
        ++m_repartidas;
    }
}

void BucleMinimo::levantar(Lista &mano, int slot, Lista &propia, Lista &rival, bool monton,
                           std::uint32_t lugares, Lado quien)
{
    if (monton) {
        for (int i = 0; i < rival.n; ++i)
            propia.poner(0, rival.c[static_cast<std::size_t>(i)]);
        rival.n = 0;
    }
    propia.poner(0, mano.c[static_cast<std::size_t>(slot)]);
    mano.quitar(slot);
    m_ultimo = quien;
    if (!monton) {
        for (int j = 0; j < m_mesa.n; ++j)
            if (lugares & (1u << j))
                propia.poner(0, m_mesa.c[static_cast<std::size_t>(j)]);
        int k = 0;
        for (int j = 0; j < m_mesa.n; ++j)
            if (!(lugares & (1u << j)))
                m_mesa.c[static_cast<std::size_t>(k++)] = m_mesa.c[static_cast<std::size_t>(j)];
        m_mesa.n = k;
    }
}

void BucleMinimo::turnoCpu()
{
    const std::uint8_t x = m_cpu.c[0];
    if (m_pilaCpu.n > 0 && mismo(m_pilaCpu.c[0], x)) {
        m_pilaCpu.poner(0, x);
        m_cpu.quitar(0);
        return;
    }
    if (m_pilaHum.n > 0 && mismo(m_pilaHum.c[0], x)) {
        levantar(m_cpu, 0, m_pilaCpu, m_pilaHum, true, 0, Lado::Cpu);
        return;
    }
    std::uint32_t lugares = 0;
    for (int j = 0; j < m_mesa.n && j < 7; ++j)
        if (mismo(m_mesa.c[static_cast<std::size_t>(j)], x))
            lugares |= 1u << j;
    if (lugares) {
        levantar(m_cpu, 0, m_pilaCpu, m_pilaHum, false, lugares, Lado::Cpu);
    } else {
        m_mesa.poner(m_mesa.n, x);
        m_cpu.quitar(0);
    }
}

void BucleMinimo::turnoHumano()
{
    const int slot = elegirHumano(m_hum.n);
    const std::uint8_t x = m_hum.c[static_cast<std::size_t>(slot)];
    std::array<int, 7> lugares {};
    int nl = 0;
    for (int j = 0; j < m_mesa.n && j < 7; ++j)
        if (mismo(m_mesa.c[static_cast<std::size_t>(j)], x))
            lugares[static_cast<std::size_t>(nl++)] = j;
    // The order of the random human's moves: own pile, lay, lift, take.
    std::array<int, 4> movs { 0 };
    int nm = 1;
    if (nl == 0)
        movs[static_cast<std::size_t>(nm++)] = 1;
    else
        movs[static_cast<std::size_t>(nm++)] = 2;
    if (m_pilaCpu.n > 0 && mismo(m_pilaCpu.c[0], x))
        movs[static_cast<std::size_t>(nm++)] = 3;
    switch (movs[static_cast<std::size_t>(elegirHumano(nm))]) {
    case 0:
        m_pilaHum.poner(0, x);
        m_hum.quitar(slot);
        break;
    case 1:
        m_mesa.poner(m_mesa.n, x);
        m_hum.quitar(slot);
        break;
    case 2: {
        const int mascara = 1 + elegirHumano((1 << nl) - 1);
        std::uint32_t marcados = 0;
        for (int k = 0; k < nl; ++k)
            if (mascara & (1 << k))
                marcados |= 1u << lugares[static_cast<std::size_t>(k)];
        levantar(m_hum, slot, m_pilaHum, m_pilaCpu, false, marcados, Lado::Humano);
        break;
    }
    default:
        levantar(m_hum, slot, m_pilaHum, m_pilaCpu, true, 0, Lado::Humano);
        break;
    }
}

bool BucleMinimo::contar(Mano &mano)
{
    Lista *pila = m_ultimo == Lado::Cpu ? &m_pilaCpu
        : m_ultimo == Lado::Humano      ? &m_pilaHum
                                        : nullptr;
    if (pila) {
        for (int j = 0; j < m_mesa.n; ++j)
            pila->poner(pila->n, m_mesa.c[static_cast<std::size_t>(j)]);
        m_mesa.n = 0;
    }
    mano = { m_pilaCpu.n, m_pilaHum.n, m_mesa.n, 0 };
    if (mano.cpu > mano.humano) {
        mano.ganador = 1;
        ++m_puntosCpu;
    } else if (mano.humano > mano.cpu) {
        mano.ganador = 2;
        ++m_puntosHum;
    }
    m_mesa.n = m_cpu.n = m_hum.n = m_pilaCpu.n = m_pilaHum.n = 0;
    m_repartida.fill(false);
    m_repartidas = 0;
    m_primero = true;
    return m_puntosCpu >= 3 || m_puntosHum >= 3;
}

long BucleMinimo::jugar(int partidas, const AlTerminarMano &alTerminarMano)
{
    long manos = 0;
    for (int partida = 0; partida < partidas; ++partida) {
        m_puntosCpu = m_puntosHum = 0;
        m_turno = rnd(m_juego) < 0.5 ? Lado::Cpu : Lado::Humano;
        for (bool fin = false; !fin;) {
            if (m_cpu.n == 0 && m_hum.n == 0) {
                if (m_repartidas == 40) {
                    Mano mano;
                    fin = contar(mano);
                    ++manos;
                    if (alTerminarMano)
                        alTerminarMano(mano);
                    if (fin)
                        break;
                }
                repartir();
            }
            if (m_turno == Lado::Cpu)
                turnoCpu();
            else
                turnoHumano();
            m_turno = contrario(m_turno);
        }
    }
    return manos;
}
