// SPDX-License-Identifier: GPL-3.0-or-later

#include "legalidad.h"

namespace Legalidad {

namespace {

bool mesaLegal(const GameState &e, const std::vector<int> &mesa, CardId carta)
{
    if (mesa.empty())
        return false;
    int anterior = -1;
    for (const int i : mesa) {
        if (i <= anterior || i >= e.lamesa.count() || i >= Marcas::kMesa
            || !e.mismoPalo(e.lamesa.at(i), carta))
            return false;
        anterior = i;
    }
    return true;
}

bool mesaSinPalo(const GameState &e, CardId carta)
{
    for (const CardId enMesa : e.lamesa)
        if (e.mismoPalo(enMesa, carta))
            return false;
    return true;
}

} // namespace

bool esLegal(const GameState &estado, const Jugada &jugada, Lado lado)
{
    const bool cpu = lado == Lado::Cpu;
    const CardList &mano = cpu ? estado.player1 : estado.player2;
    const CardList &rival = cpu ? estado.player2Lev : estado.player1Lev;
    if (jugada.carta < 0 || jugada.carta >= mano.count() || jugada.carta >= Marcas::kMano)
        return false;
    const CardId carta = mano.at(jugada.carta);
    const bool sinMesa = jugada.mesa.empty();
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        return sinMesa;
    case Jugada::Tipo::LevantarMonton:
        return sinMesa && !rival.isEmpty() && estado.mismoPalo(rival.at(0), carta);
    case Jugada::Tipo::LevantarMesa:
        return mesaLegal(estado, jugada.mesa, carta);
    case Jugada::Tipo::Tirar:
        break;
    }
    return sinMesa && mesaSinPalo(estado, carta);
}

} // namespace Legalidad
