// SPDX-License-Identifier: GPL-3.0-or-later

#include "busquedaexacta.h"

#include "reglascompactas.h"

#include <array>

namespace {

// Every legal move, but one card of each palo in hand: cards of one palo
// play alike, since only a card's palo and the piles' sizes decide a hand.
struct Movimientos
{
    std::array<MovimientoCompacto, 64> v {};
    int n = 0;
};

Movimientos movimientos(const PosicionCompacta &p)
{
    const Lado s = p.turno;
    unsigned primeras = 0;
    std::uint64_t palos = 0;
    for (int i = 0; i < p.enMano[s]; ++i) {
        const std::uint64_t b = PosicionCompacta::bit(p.palo[p.mano[s][i]]);
        if ((palos & b) == 0)
            primeras |= 1U << i;
        palos |= b;
    }
    Movimientos lista;
    ReglasCompactas::generar(p, s, ReglasCompactas::Alcance::Todas,
                             [&](const MovimientoCompacto &m) {
                                 if ((primeras & (1U << m.carta)) != 0 && lista.n < 64)
                                     lista.v[static_cast<std::size_t>(lista.n++)] = m;
                             });
    return lista;
}

} // namespace

BusquedaExacta::BusquedaExacta(Lado yo, const Utilidad &utilidad)
    : m_yo(yo)
    , m_utilidad(utilidad)
{
}

double BusquedaExacta::valor(const PosicionCompacta &p) const
{
    return buscar(p, -1e9, 1e9);
}

BusquedaExacta::Resultado BusquedaExacta::mejor(const PosicionCompacta &p) const
{
    const Movimientos lista = movimientos(p);
    Resultado r { lista.v[0], -1e9 };
    for (int i = 0; i < lista.n; ++i) {
        PosicionCompacta q = p;
        q.aplicar(lista.v[static_cast<std::size_t>(i)]);
        const double v = buscar(q, r.valor, 1e9);
        if (v > r.valor)
            r = { lista.v[static_cast<std::size_t>(i)], v };
    }
    return r;
}

double BusquedaExacta::buscar(const PosicionCompacta &p, double alfa, double beta) const
{
    if (p.manoTerminada()) {
        PosicionCompacta fin = p;
        int diferencia = fin.cerrarMano();
        if (m_yo == Lado::Humano)
            diferencia = -diferencia;
        return m_utilidad.de(diferencia);
    }
    const Movimientos lista = movimientos(p);
    const bool mio = p.turno == m_yo;
    double mejorValor = mio ? -1e9 : 1e9;
    for (int i = 0; i < lista.n; ++i) {
        PosicionCompacta q = p;
        q.aplicar(lista.v[static_cast<std::size_t>(i)]);
        const double v = buscar(q, alfa, beta);
        if (mio) {
            mejorValor = v > mejorValor ? v : mejorValor;
            alfa = v > alfa ? v : alfa;
        } else {
            mejorValor = v < mejorValor ? v : mejorValor;
            beta = v < beta ? v : beta;
        }
        if (alfa >= beta)
            break;
    }
    return mejorValor;
}
