// SPDX-License-Identifier: GPL-3.0-or-later

#include "legalidad.h"

namespace Legalidad {

namespace {

// The game state as the rules read it. Seat 0 is the CPU, as in the compact
// position; only the first three cards of a hand can be played.
struct LecturaEstado
{
    const GameState &e;

    const CardList &mano(int asiento) const
    {
        return asiento == PosicionCompacta::kCpu ? e.player1 : e.player2;
    }
    int enMano(int asiento) const
    {
        const int n = mano(asiento).count();
        return n < PosicionCompacta::kMano ? n : PosicionCompacta::kMano;
    }
    int paloEnMano(int asiento, int slot) const { return e.paloId(mano(asiento).at(slot)); }
    int enMesa() const { return e.lamesa.count(); }
    int paloEnMesa(int lugar) const { return e.paloId(e.lamesa.at(lugar)); }
    int paloTope(int asiento) const
    {
        const CardList &pila = asiento == PosicionCompacta::kCpu ? e.player1Lev : e.player2Lev;
        return pila.isEmpty() ? -1 : e.paloId(pila.at(0));
    }
};

int asiento(Lado lado)
{
    return lado == Lado::Cpu ? PosicionCompacta::kCpu : PosicionCompacta::kHumano;
}

} // namespace

bool esLegal(const GameState &estado, const Jugada &jugada, Lado lado)
{
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(jugada);
    return m && esLegal(estado, *m, lado);
}

bool esLegal(const GameState &estado, const MovimientoCompacto &movimiento, Lado lado)
{
    return ReglasCompactas::esLegalEn(LecturaEstado { estado }, asiento(lado), movimiento);
}

std::vector<Jugada> legales(const GameState &estado, Lado lado, ReglasCompactas::Alcance alcance)
{
    std::vector<Jugada> lista;
    ReglasCompactas::generarEn(
        LecturaEstado { estado }, asiento(lado), alcance,
        [&lista](const MovimientoCompacto &m) { lista.push_back(m.comoJugada()); });
    return lista;
}

} // namespace Legalidad
