// SPDX-License-Identifier: GPL-3.0-or-later

#include "pista.h"

#include "estimadorvictoria.h"
#include "legalidad.h"

#include <algorithm>
#include <utility>

Pista::Pista()
{
    setElector({});
}

void Pista::setElector(Elector elector)
{
    m_elector = elector ? std::move(elector) : Elector(&Pista::normal);
}

// The rules give one move of each kind per palo in hand, at the lowest slot
// holding it, and of the table lifts the one taking every markable match: in
// slot order, so the first best is the lowest slot.
Jugada Pista::normal(const GameState &e)
{
    using Tipo = Jugada::Tipo;
    const std::vector<Jugada> legales
        = Legalidad::legales(e, Lado::Humano, ReglasCompactas::Alcance::Representativas);
    const auto primera = [&legales](Tipo tipo) {
        return std::find_if(legales.begin(), legales.end(),
                            [tipo](const Jugada &j) { return j.tipo == tipo; });
    };
    if (const auto monton = primera(Tipo::LevantarMonton); monton != legales.end())
        return *monton;
    const Jugada *mejor = nullptr;
    for (const Jugada &j : legales) {
        if (j.tipo == Tipo::LevantarMesa && (!mejor || j.mesa.size() > mejor->mesa.size()))
            mejor = &j;
    }
    if (mejor)
        return *mejor;
    if (const auto tirar = primera(Tipo::Tirar); tirar != legales.end())
        return *tirar;
    // Only a table longer than the board's places gets here: its matching
    // card cannot be marked, and the own pile takes any card.
    return { Tipo::AlMonton, 0, {} };
}

Jugada Pista::mejor(const GameState &estado, NivelCpu nivel)
{
    const EstimadorVictoria juez(EstimadorVictoria::kMuestras, EstimadorVictoria::kSemilla, nivel);
    const ValoracionDeJugadas v = juez.valorar(VistaDificil::desdeEstado(estado, Lado::Humano));
    return v.movimientos.at(v.mejor).comoJugada();
}

void Pista::marcar(Marcas &marcas, const Jugada &jugada)
{
    marcas.CheckMesa.fill(false);
    marcas.Checkp1.fill(false);
    marcas.Checkp2.fill(false);
    marcas.CheckMonton[0] = jugada.tipo == Jugada::Tipo::LevantarMonton;
    marcas.CheckMonton[1] = jugada.tipo == Jugada::Tipo::AlMonton;
    marcas.de(GrupoMarca::Checkp2, jugada.carta) = true;
    for (int lugar : jugada.mesa) {
        if (lugar < Marcas::kMesa)
            marcas.de(GrupoMarca::CheckMesa, lugar) = true;
    }
}
