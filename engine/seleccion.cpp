// SPDX-License-Identifier: GPL-3.0-or-later

#include "seleccion.h"

#include "legalidad.h"

#include <QCoreApplication>

namespace Seleccion {

QString mismoTipo()
{
    return QCoreApplication::translate("Seleccion", "Solo puedes levantar cartas de un mismo tipo");
}

QString montonYLevantar()
{
    return QCoreApplication::translate("Seleccion",
                                       "No puedes poner la carta en tu montón y levantar a la vez");
}

namespace {

// The marked human hand slots that hold a card, lowest first.
std::optional<int> primeraMarcada(const GameState &estado, int *cuantas = nullptr)
{
    std::optional<int> primera;
    int n = 0;
    for (int i = 0; i < Marcas::kMano; ++i) {
        if (estado.marcas.Checkp2.at(static_cast<std::size_t>(i)) && i < estado.player2.count()) {
            if (!primera)
                primera = i;
            ++n;
        }
    }
    if (cuantas)
        *cuantas = n;
    return primera;
}

int mesaMarcadas(const GameState &estado)
{
    int n = 0;
    for (bool marca : estado.marcas.CheckMesa)
        n += marca ? 1 : 0;
    return n;
}

} // namespace

bool MismoPalo(const GameState &estado, Jugada jugada)
{
    const std::optional<int> slot = primeraMarcada(estado);
    if (!slot)
        return true;
    jugada.carta = *slot;
    return Legalidad::esLegal(estado, jugada, Lado::Humano);
}

std::optional<QString> MarcarCarta(GameState &estado, GrupoMarca grupo, int i, Lado jugador)
{
    bool &marca = estado.marcas.de(grupo, i);
    if (marca) {
        marca = false;
        return std::nullopt;
    }
    if (jugador == Lado::Humano) {
        using Tipo = Jugada::Tipo;
        if (grupo == GrupoMarca::CheckMesa && !MismoPalo(estado, { Tipo::LevantarMesa, 0, { i } }))
            return mismoTipo();
        // The CPU's pile is tested against its top; an empty pile has nothing to take.
        const bool montonCpu = grupo == GrupoMarca::CheckMonton && i == 0;
        if (montonCpu && estado.player1Lev.isEmpty())
            return std::nullopt;
        if (montonCpu && !MismoPalo(estado, { Tipo::LevantarMonton, 0, {} }))
            return mismoTipo();
    }
    marca = true;
    return std::nullopt;
}

std::optional<QString> ValidarLevantar(const GameState &estado)
{
    int manoMarcadas = 0;
    const std::optional<int> slot = primeraMarcada(estado, &manoMarcadas);
    if (manoMarcadas != 1)
        return QCoreApplication::translate("Seleccion", "Debes seleccionar solo una de tus cartas");
    const int mesa = mesaMarcadas(estado);
    const bool monton = estado.marcas.CheckMonton[0];
    if (monton && mesa > 0)
        return QCoreApplication::translate("Seleccion",
                                           "No puedes levantar cartas y el monton a la vez");
    // A mark left on a pile that has since been emptied lifts nothing.
    if ((!monton && mesa == 0) || (monton && estado.player1Lev.isEmpty()))
        return QCoreApplication::translate("Seleccion", "Selecciona una carta de la mesa");
    // Marks set before the hand card, or a pile mark from an earlier turn,
    // were never tested against it.
    if (!Legalidad::esLegal(estado, levantamiento(estado, *slot), Lado::Humano))
        return mismoTipo();
    return std::nullopt;
}

std::optional<int> unicaMarcada(const GameState &estado)
{
    int cuantas = 0;
    const std::optional<int> slot = primeraMarcada(estado, &cuantas);
    return cuantas == 1 ? slot : std::nullopt;
}

bool marcasDeLevantar(const GameState &estado)
{
    for (int j = 0; j < Marcas::kMesa && j < estado.lamesa.count(); ++j) {
        if (estado.marcas.CheckMesa.at(static_cast<std::size_t>(j)))
            return true;
    }
    return estado.marcas.CheckMonton[0];
}

Jugada levantamiento(const GameState &estado, int slot)
{
    if (estado.marcas.CheckMonton[0])
        return { Jugada::Tipo::LevantarMonton, slot, {} };
    Jugada jugada { Jugada::Tipo::LevantarMesa, slot, {} };
    for (int j = 0; j < Marcas::kMesa && j < estado.lamesa.count(); ++j) {
        if (estado.marcas.CheckMesa.at(static_cast<std::size_t>(j)))
            jugada.mesa.push_back(j);
    }
    return jugada;
}

void LimpiarSeleccion(Marcas &marcas)
{
    marcas.CheckMesa.fill(false);
    marcas.Checkp1.fill(false);
    marcas.Checkp2.fill(false);
}

} // namespace Seleccion
