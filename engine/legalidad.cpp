// SPDX-License-Identifier: GPL-3.0-or-later

#include "legalidad.h"

namespace Legalidad {

namespace {

// The compact position counts cards from 0; the game's lists from 1. Only the
// palos of the cards listed are looked up: the rules compare no other card.
void copiar(const GameState &e, const CardList &lista, std::int8_t *destino, int maximo,
            std::uint8_t &cuantas, PosicionCompacta &p)
{
    const int n = lista.count() < maximo ? lista.count() : maximo;
    for (int i = 0; i < n; ++i) {
        const CardId carta = lista.at(i);
        destino[i] = static_cast<std::int8_t>(carta - 1);
        p.palo[static_cast<std::size_t>(carta - 1)] = e.paloId(carta);
    }
    cuantas = static_cast<std::uint8_t>(n);
}

} // namespace

PosicionCompacta posicion(const GameState &e)
{
    PosicionCompacta p;
    copiar(e, e.player1, p.mano[0].data(), PosicionCompacta::kMano, p.enMano[0], p);
    copiar(e, e.player2, p.mano[1].data(), PosicionCompacta::kMano, p.enMano[1], p);
    copiar(e, e.lamesa, p.mesa.data(), PosicionCompacta::kCartas, p.enMesa, p);
    std::uint8_t uno = 0;
    copiar(e, e.player1Lev, &p.tope[0], 1, uno, p);
    copiar(e, e.player2Lev, &p.tope[1], 1, uno, p);
    return p;
}

int asiento(Lado lado)
{
    return lado == Lado::Cpu ? PosicionCompacta::kCpu : PosicionCompacta::kHumano;
}

bool esLegal(const GameState &estado, const Jugada &jugada, Lado lado)
{
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(jugada);
    return m && ReglasCompactas::esLegal(posicion(estado), asiento(lado), *m);
}

std::vector<Jugada> legales(const GameState &estado, Lado lado, ReglasCompactas::Alcance alcance)
{
    std::vector<Jugada> lista;
    ReglasCompactas::generar(
        posicion(estado), asiento(lado), alcance,
        [&lista](const MovimientoCompacto &m) { lista.push_back(m.comoJugada()); });
    return lista;
}

} // namespace Legalidad
