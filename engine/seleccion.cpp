// SPDX-License-Identifier: GPL-3.0-or-later

#include "seleccion.h"

#include <QCoreApplication>

namespace Seleccion {

QString mismoTipo()
{
    return QCoreApplication::translate("Seleccion", "Solo puedes levantar cartas de un mismo tipo");
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

// Every marked table card, and the CPU's pile top when it is marked, has the palo of carta.
bool todasDelPalo(const GameState &estado, CardId carta)
{
    for (int j = 0; j < Marcas::kMesa && j < estado.lamesa.count(); ++j) {
        if (estado.marcas.CheckMesa.at(static_cast<std::size_t>(j))
            && !estado.mismoPalo(estado.lamesa.at(j), carta))
            return false;
    }
    return !estado.marcas.CheckMonton[0] || estado.mismoPalo(estado.player1Lev.at(0), carta);
}

} // namespace

bool MismoPalo(const GameState &estado, CardId carta)
{
    const std::optional<int> slot = primeraMarcada(estado);
    return !slot || estado.mismoPalo(carta, estado.player2.at(*slot));
}

std::optional<QString> MarcarCarta(GameState &estado, GrupoMarca grupo, int i, Lado jugador)
{
    bool &marca = estado.marcas.de(grupo, i);
    if (marca) {
        marca = false;
        return std::nullopt;
    }
    if (jugador == Lado::Humano) {
        if (grupo == GrupoMarca::CheckMesa && !MismoPalo(estado, estado.lamesa.at(i)))
            return mismoTipo();
        // Either pile mark is tested against the CPU's pile top; an empty pile
        // has nothing to take.
        if (grupo == GrupoMarca::CheckMonton && estado.player1Lev.isEmpty())
            return std::nullopt;
        if (grupo == GrupoMarca::CheckMonton && !MismoPalo(estado, estado.player1Lev.at(0)))
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
    if (!todasDelPalo(estado, estado.player2.at(*slot)))
        return mismoTipo();
    return std::nullopt;
}

void LimpiarSeleccion(Marcas &marcas)
{
    marcas.CheckMesa.fill(false);
    marcas.Checkp1.fill(false);
    marcas.Checkp2.fill(false);
}

} // namespace Seleccion
