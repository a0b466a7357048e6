// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "jugada.h"
#include <QCoreApplication>

#include <QString>
#include <optional>

// A move the player asks for on the board: a lift by the marks (the "Levantar" button),
// the marks played as they stand (Enter), a hand card dropped on the felt, on the own pile
// or on a table card.
struct Intento
{
    Q_DECLARE_TR_FUNCTIONS(Intento)

public:
    enum class Tipo { Levantar, JugarMarcas, Tirar, AlMonton, SoltarEnMesa };

    // What the intent comes to in a position: the move to make, the mistake to tell, or
    // neither (a card that is not there).
    struct Desenlace
    {
        std::optional<Jugada> jugada;
        std::optional<QString> rechazo;
    };

    static Intento levantar() { return { Tipo::Levantar }; }
    static Intento jugarMarcas() { return { Tipo::JugarMarcas }; }
    static Intento tirar(int slot) { return { Tipo::Tirar, slot }; }
    static Intento alMonton(int slot) { return { Tipo::AlMonton, slot }; }
    static Intento soltarEnMesa(int slot, int lugar) { return { Tipo::SoltarEnMesa, slot, lugar }; }

    // A drop on a table card of the hand card's palo marks the cards it lifts in estado
    // before the lift is judged, as the player would have marked them.
    Desenlace resolver(GameState &estado) const;

    Tipo tipo = Tipo::Levantar;
    int slot = 0; // the hand card
    int lugar = 0; // the table card it is dropped on

private:
    static Desenlace levantarMarcadas(const GameState &estado);
    static Desenlace segunMarcas(const GameState &estado);
    static Desenlace tirarCarta(const GameState &estado, int slot);
};
