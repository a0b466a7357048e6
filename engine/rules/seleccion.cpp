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

// The marked table places that hold a card, as a mask.
std::uint8_t lugaresMarcados(const GameState &estado)
{
    unsigned lugares = 0;
    for (int j = 0; j < Marcas::kMesa && j < estado.lamesa.count(); ++j) {
        if (estado.marcas.CheckMesa.at(static_cast<std::size_t>(j)))
            lugares |= 1U << j;
    }
    return static_cast<std::uint8_t>(lugares);
}

// The lift the marks make with the hand card of the slot: the CPU's pile when
// its mark is set, else the marked table places that hold a card.
MovimientoCompacto levantamiento(const GameState &estado, int slot)
{
    const auto carta = static_cast<std::uint8_t>(slot);
    if (estado.marcas.CheckMonton[0])
        return { Jugada::Tipo::LevantarMonton, carta, 0 };
    return { Jugada::Tipo::LevantarMesa, carta, lugaresMarcados(estado) };
}

int mesaMarcadas(const GameState &estado)
{
    int n = 0;
    for (bool marca : estado.marcas.CheckMesa)
        n += marca ? 1 : 0;
    return n;
}

} // namespace

bool MismoPalo(const GameState &estado, MovimientoCompacto movimiento)
{
    const std::optional<int> slot = primeraMarcada(estado);
    if (!slot)
        return true;
    movimiento.carta = static_cast<std::uint8_t>(*slot);
    return Legalidad::esLegal(estado, movimiento, Lado::Humano);
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
        const auto lugar = static_cast<std::uint8_t>(1U << i);
        if (grupo == GrupoMarca::CheckMesa && !MismoPalo(estado, { Tipo::LevantarMesa, 0, lugar }))
            return mismoTipo();
        // The CPU's pile is tested against its top; an empty pile has nothing to take.
        const bool montonCpu = grupo == GrupoMarca::CheckMonton && i == 0;
        if (montonCpu && estado.player1Lev.isEmpty())
            return std::nullopt;
        if (montonCpu && !MismoPalo(estado, { Tipo::LevantarMonton, 0, 0 }))
            return mismoTipo();
    }
    marca = true;
    return std::nullopt;
}

std::optional<QString> pulsar(GameState &estado, const Imagen &carta, MarcasDeMano mano)
{
    const int i = carta.indice;
    switch (carta.grupo) {
    case GrupoImagen::mesaimg:
        if (i < estado.lamesa.count() && i < Marcas::kMesa)
            return MarcarCarta(estado, GrupoMarca::CheckMesa, i, Lado::Humano);
        break;
    case GrupoImagen::cartap2img:
        if (i >= estado.player2.count())
            break;
        if (mano == MarcasDeMano::Una && !estado.marcas.Checkp2.at(static_cast<std::size_t>(i)))
            estado.marcas.Checkp2.fill(false);
        return MarcarCarta(estado, GrupoMarca::Checkp2, i, Lado::Humano);
    case GrupoImagen::montonimg:
        if (i == 0 && !estado.player1Lev.isEmpty())
            return MarcarCarta(estado, GrupoMarca::CheckMonton, 0, Lado::Humano);
        break;
    case GrupoImagen::cartap1img:
        break;
    }
    return std::nullopt;
}

void alternar(Marcas &marcas, const Imagen &lugar)
{
    const int i = lugar.indice;
    if (lugar.grupo == GrupoImagen::cartap2img && i >= 0 && i < Marcas::kMano)
        marcas.Checkp2.at(static_cast<std::size_t>(i)) ^= true;
    else if (lugar.grupo == GrupoImagen::montonimg && i == 1)
        marcas.CheckMonton[1] ^= true;
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
    return lugaresMarcados(estado) != 0 || estado.marcas.CheckMonton[0];
}

void LimpiarSeleccion(Marcas &marcas)
{
    marcas.CheckMesa.fill(false);
    marcas.Checkp1.fill(false);
    marcas.Checkp2.fill(false);
}

} // namespace Seleccion
