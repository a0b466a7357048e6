// SPDX-License-Identifier: GPL-3.0-or-later

#include "electornormal.h"

namespace {

// The palo of the card played is looked up once, not at every comparison.
bool coincide(const GameState &e, const CardList &lista, int i, std::uint8_t palo)
{
    return i < lista.count() && e.paloId(lista.at(i)) == palo;
}

} // namespace

Jugada ElectorNormal::elegir(const GameState &estado, Lado lado)
{
    Jugada jugada;
    elegirEn(estado, lado, jugada);
    return jugada;
}

void ElectorNormal::elegirEn(const GameState &estado, Lado lado, Jugada &jugada)
{
    const bool cpu = lado == Lado::Cpu;
    const CardList &mano = cpu ? estado.player1 : estado.player2;
    const CardList &propia = cpu ? estado.player1Lev : estado.player2Lev;
    const CardList &rival = cpu ? estado.player2Lev : estado.player1Lev;
    const std::uint8_t palo = estado.paloId(mano.at(0));
    jugada.carta = 0;
    jugada.mesa.clear();
    if (coincide(estado, propia, 0, palo)) {
        jugada.tipo = Jugada::Tipo::AlMonton;
    } else if (coincide(estado, rival, 0, palo)) {
        jugada.tipo = Jugada::Tipo::LevantarMonton;
    } else {
        // Only the seven table places of the board can be marked.
        for (int i = 0; i < estado.lamesa.count() && i < Marcas::kMesa; ++i) {
            if (coincide(estado, estado.lamesa, i, palo))
                jugada.mesa.push_back(i);
        }
        jugada.tipo = jugada.mesa.empty() ? Jugada::Tipo::Tirar : Jugada::Tipo::LevantarMesa;
    }
}
