// SPDX-License-Identifier: GPL-3.0-or-later

#include "pista.h"

#include <utility>

namespace {

// Table places of the board whose card has the palo, lowest first.
std::vector<int> lugaresDelPalo(const GameState &e, const QString &palo)
{
    std::vector<int> lugares;
    for (int j = 0; j < e.lamesa.count() && j < Marcas::kMesa; ++j) {
        if (e.palo(e.lamesa.at(j)) == palo)
            lugares.push_back(j);
    }
    return lugares;
}

// Laying is refused while any table card has the palo, also one past the
// board's places.
bool sePuedeTirar(const GameState &e, const QString &palo)
{
    for (const CardId entrada : e.lamesa) {
        if (e.palo(entrada) == palo)
            return false;
    }
    return true;
}

} // namespace

Pista::Pista()
{
    setElector({});
}

void Pista::setElector(Elector elector)
{
    m_elector = elector ? std::move(elector) : Elector(&Pista::normal);
}

Jugada Pista::normal(const GameState &e)
{
    const int mano = e.player2.count();
    if (!e.player1Lev.isEmpty()) {
        for (int slot = 0; slot < mano; ++slot) {
            if (e.palo(e.player2.at(slot)) == e.palo(e.player1Lev.at(0)))
                return Jugada { Jugada::Tipo::LevantarMonton, slot, {} };
        }
    }
    Jugada mejor { Jugada::Tipo::AlMonton, 0, {} };
    for (int slot = 0; slot < mano; ++slot) {
        std::vector<int> lugares = lugaresDelPalo(e, e.palo(e.player2.at(slot)));
        if (lugares.size() > mejor.mesa.size())
            mejor = Jugada { Jugada::Tipo::LevantarMesa, slot, std::move(lugares) };
    }
    if (!mejor.mesa.empty())
        return mejor;
    for (int slot = 0; slot < mano; ++slot) {
        if (sePuedeTirar(e, e.palo(e.player2.at(slot))))
            return Jugada { Jugada::Tipo::Tirar, slot, {} };
    }
    // Only a table longer than the board's places gets here: its matching
    // card cannot be marked, and the own pile takes any card.
    return mejor;
}

void Pista::marcar(Marcas &marcas, const Jugada &jugada)
{
    marcas.CheckMesa.fill(false);
    marcas.Checkp1.fill(false);
    marcas.Checkp2.fill(false);
    marcas.CheckMonton[0] = jugada.tipo == Jugada::Tipo::LevantarMonton;
    marcas.de(GrupoMarca::Checkp2, jugada.carta) = true;
    for (int lugar : jugada.mesa) {
        if (lugar < Marcas::kMesa)
            marcas.de(GrupoMarca::CheckMesa, lugar) = true;
    }
}
