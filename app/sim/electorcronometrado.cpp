// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorcronometrado.h"

#include <ctime>
#include <utility>

namespace {

// The thread's own processor time: what a choice costs, which a busy machine
// sharing the core does not inflate as it would the wall clock.
double milisegundosDeCpu()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace

ElectorCronometrado::ElectorCronometrado(std::unique_ptr<Elector> elector)
    : m_elector(std::move(elector))
{
}

Jugada ElectorCronometrado::elegir(const GameState &estado, Lado lado)
{
    const double antes = milisegundosDeCpu();
    Jugada jugada = m_elector->elegir(estado, lado);
    m_tiempos.push_back(milisegundosDeCpu() - antes);
    return jugada;
}
