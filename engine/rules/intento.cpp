// SPDX-License-Identifier: GPL-3.0-or-later

#include "intento.h"

#include "legalidad.h"
#include "pista.h"
#include "registrodejugadas.h"
#include "seleccion.h"
#include "soltarenmesa.h"

Intento::Desenlace Intento::resolver(GameState &estado) const
{
    const bool enLaMano = slot < estado.player2.count();
    switch (tipo) {
    case Tipo::Levantar:
        return levantarMarcadas(estado);
    case Tipo::JugarMarcas:
        return segunMarcas(estado);
    case Tipo::Tirar:
        return enLaMano ? tirarCarta(estado, slot) : Desenlace {};
    case Tipo::AlMonton:
        if (!enLaMano)
            return {};
        return { Jugada { Jugada::Tipo::AlMonton, slot, {} }, std::nullopt };
    case Tipo::SoltarEnMesa:
        if (!enLaMano || lugar >= estado.lamesa.count() || lugar >= Marcas::kMesa)
            return {};
        if (const auto jugada = SoltarEnMesa::jugada(estado, slot, lugar)) {
            Pista::marcar(estado.marcas, *jugada);
            return levantarMarcadas(estado);
        }
        return {};
    }
    return {};
}

// The lift the marks make, with the refusal of the first rule they break.
Intento::Desenlace Intento::levantarMarcadas(const GameState &estado)
{
    if (const auto rechazo = Seleccion::ValidarLevantar(estado))
        return { std::nullopt, *rechazo };
    return { RegistroDeJugadas::levantamiento(estado), std::nullopt };
}

// Nothing marked is said as such; the hand card alone is laid, with the own pile marked it goes
// there; marks of a lift, or no single hand card, are a lift with its checks.
Intento::Desenlace Intento::segunMarcas(const GameState &estado)
{
    if (estado.marcas.ninguna())
        return { std::nullopt, tr("No has marcado ninguna carta") };
    const std::optional<int> slot = Seleccion::unicaMarcada(estado);
    const bool levantar = Seleccion::marcasDeLevantar(estado);
    const bool alMonton = estado.marcas.CheckMonton[1];
    if (!slot || (levantar && !alMonton))
        return levantarMarcadas(estado);
    if (levantar)
        return { std::nullopt, Seleccion::montonYLevantar() };
    if (alMonton)
        return { Jugada { Jugada::Tipo::AlMonton, *slot, {} }, std::nullopt };
    return tirarCarta(estado, *slot);
}

// A card is laid on the table only when it lifts nothing.
Intento::Desenlace Intento::tirarCarta(const GameState &estado, int slot)
{
    const Jugada jugada { Jugada::Tipo::Tirar, slot, {} };
    if (!Legalidad::esLegal(estado, jugada, Lado::Humano))
        return { std::nullopt, tr("Tienes cartas para levantar") };
    return { jugada, std::nullopt };
}
