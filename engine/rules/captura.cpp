// SPDX-License-Identifier: GPL-3.0-or-later

#include "captura.h"

#include <algorithm>
#include <array>

namespace Captura {

namespace {

struct Papeles
{
    CardList &mano;
    std::array<bool, Marcas::kMano> &marcasMano;
    CardList &propia;
    CardList &rival;
    bool &marcaRival;
};

Papeles papeles(GameState &e, Lado quien)
{
    if (quien == Lado::Humano)
        return { e.player2, e.marcas.Checkp2, e.player2Lev, e.player1Lev, e.marcas.CheckMonton[0] };
    return { e.player1, e.marcas.Checkp1, e.player1Lev, e.player2Lev, e.marcas.CheckMonton[1] };
}

// Takes the table cards of the lifted places off the table, in table order,
// onto arriba; the table closes its gaps in one pass.
void levantarMesa(GameState &e, CardList &arriba, const auto &levantado)
{
    CardList quedan;
    for (int j = 0; j < e.lamesa.count(); ++j)
        (levantado(j) ? arriba : quedan).append(e.lamesa.at(j));
    e.lamesa = quedan;
}

} // namespace

void Levantar(GameState &estado, Lado quien)
{
    Papeles p = papeles(estado, quien);
    bool montonTomado = false;
    if (p.marcaRival) {
        p.marcaRival = false;
        PasarMonton(estado, p.rival, quien);
        montonTomado = true;
    }
    // The cards that go onto the pile, in the order they are put there one by
    // one (the last ends on top): the hand card, then any table cards. They
    // are put there in one move rather than shifting the pile once per card.
    CardList arriba;
    for (int i = 0; i < p.mano.count() && i < Marcas::kMano; ++i) {
        if (p.marcasMano.at(static_cast<std::size_t>(i))) {
            arriba.append(p.mano.at(i));
            p.mano.removeAt(i);
            break;
        }
    }
    estado.ultimoEnLevantar = quien;
    if (!montonTomado) {
        levantarMesa(estado, arriba, [&estado](int j) {
            return j < Marcas::kMesa && estado.marcas.CheckMesa.at(static_cast<std::size_t>(j));
        });
    }
    p.propia.insertarAlReves(arriba);
}

void Levantar(GameState &estado, const Jugada &jugada, Lado quien)
{
    Papeles p = papeles(estado, quien);
    CardList arriba;
    arriba.append(p.mano.at(jugada.carta));
    p.mano.removeAt(jugada.carta);
    estado.ultimoEnLevantar = quien;
    if (jugada.tipo == Jugada::Tipo::LevantarMonton) {
        PasarMonton(estado, p.rival, quien);
    } else {
        levantarMesa(estado, arriba, [&jugada](int j) {
            return std::find(jugada.mesa.begin(), jugada.mesa.end(), j) != jugada.mesa.end();
        });
    }
    p.propia.insertarAlReves(arriba);
}

void PasarMonton(GameState &estado, CardList &pila, Lado quien)
{
    CardList &destino = quien == Lado::Humano ? estado.player2Lev : estado.player1Lev;
    destino.insertarAlReves(pila);
    pila.clear();
}

void RecogerMesa(GameState &estado, CardList &pila)
{
    for (const CardId carta : estado.lamesa)
        pila.append(carta);
    estado.lamesa.clear();
}

} // namespace Captura
