// SPDX-License-Identifier: GPL-3.0-or-later

#include "legalidad.h"

namespace Legalidad {

namespace {

// The game state as the rules read it; only the first three cards of a hand
// can be played.
struct LecturaEstado
{
    const GameState &e;

    const CardList &mano(Lado lado) const { return lado == Lado::Cpu ? e.player1 : e.player2; }
    int enMano(Lado lado) const
    {
        const int n = mano(lado).count();
        return n < PosicionCompacta::kMano ? n : PosicionCompacta::kMano;
    }
    int paloEnMano(Lado lado, int slot) const { return e.paloId(mano(lado).at(slot)); }
    int enMesa() const { return e.lamesa.count(); }
    int paloEnMesa(int lugar) const { return e.paloId(e.lamesa.at(lugar)); }
    int paloTope(Lado lado) const
    {
        const CardList &pila = lado == Lado::Cpu ? e.player1Lev : e.player2Lev;
        return pila.isEmpty() ? -1 : e.paloId(pila.at(0));
    }
};

} // namespace

bool esLegal(const GameState &estado, const Jugada &jugada, Lado lado)
{
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(jugada);
    return m && esLegal(estado, *m, lado);
}

bool esLegal(const GameState &estado, const MovimientoCompacto &movimiento, Lado lado)
{
    return ReglasCompactas::esLegalEn(LecturaEstado { estado }, lado, movimiento);
}

std::vector<Jugada> legales(const GameState &estado, Lado lado, ReglasCompactas::Alcance alcance)
{
    std::vector<Jugada> lista;
    ReglasCompactas::generarEn(
        LecturaEstado { estado }, lado, alcance,
        [&lista](const MovimientoCompacto &m) { lista.push_back(m.comoJugada()); });
    return lista;
}

} // namespace Legalidad
