// SPDX-License-Identifier: GPL-3.0-or-later

#include "planturnocpu.h"

#include <bit>

namespace {

constexpr int kPausaMonton = 1500;
constexpr int kPausaMontonRival = 1000;
constexpr int kPausaMesa = 800;
constexpr int kPausaCarta = 1000;

// The place of the n-th lifted table card, counting from 0.
int lugar(std::uint8_t lugares, int n)
{
    for (; n > 0; --n)
        lugares &= static_cast<std::uint8_t>(lugares - 1);
    return std::countr_zero(static_cast<unsigned>(lugares));
}

} // namespace

PlanTurnoCpu PlanTurnoCpu::de(const Jugada &jugada, Lado lado)
{
    PlanTurnoCpu plan;
    plan.m_humano = lado == Lado::Humano;
    plan.m_tipo = jugada.tipo;
    plan.m_carta = jugada.carta;
    for (const int i : jugada.mesa)
        plan.m_lugares |= static_cast<std::uint8_t>(1U << i);
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        plan.m_numPasos = 1;
        break;
    case Jugada::Tipo::LevantarMonton:
        plan.m_numPasos = 3;
        break;
    case Jugada::Tipo::LevantarMesa:
        plan.m_numPasos = 2 + std::popcount(plan.m_lugares);
        break;
    case Jugada::Tipo::Tirar:
        plan.m_numPasos = 2;
        break;
    }
    return plan;
}

PlanTurnoCpu::Paso PlanTurnoCpu::paso(int i) const
{
    const Imagen carta { m_humano ? GrupoImagen::cartap2img : GrupoImagen::cartap1img, m_carta };
    if (m_tipo == Jugada::Tipo::AlMonton)
        return Paso { {}, 0, carta, kPausaMonton };
    if (i == 0)
        return Paso { m_humano ? GrupoMarca::Checkp2 : GrupoMarca::Checkp1, m_carta, {}, 0 };
    if (i == m_numPasos - 1)
        return Paso { {}, 0, carta, kPausaCarta };
    // The rival's pile: the human's (1) for the CPU, the CPU's (0) for the human.
    const int rival = m_humano ? 0 : 1;
    if (m_tipo == Jugada::Tipo::LevantarMonton)
        return Paso { GrupoMarca::CheckMonton, rival, Imagen { GrupoImagen::montonimg, rival },
                      kPausaMontonRival };
    const int j = lugar(m_lugares, i - 1);
    return Paso { GrupoMarca::CheckMesa, j, Imagen { GrupoImagen::mesaimg, j }, kPausaMesa };
}
