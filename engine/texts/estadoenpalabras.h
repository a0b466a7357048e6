// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "lado.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

// The board in words, for a player who cannot see it: what each state key says,
// and what a deal brought.
class EstadoEnPalabras
{
    Q_DECLARE_TR_FUNCTIONS(EstadoEnPalabras)

public:
    // "En la mesa: el As de bastos y el 8 de oros", or "La mesa está vacía".
    static QString mesa(const GameState &e);
    // "Tu mano: la Sota de oros y el As de copas", or "Tu mano está vacía".
    static QString mano(const GameState &e);
    // Each pile's count and top card, then both players' points: "Montón de la CPU:
    // 10 cartas, arriba el 5 de copas. Tu montón: vacío. Puntos: CPU 1, Ana 2".
    static QString montones(const GameState &e);
    // Who plays and the round of the hand, and the human's chance when it is known:
    // "Juega Ana. Mano 1, ronda 2 de 6. Probabilidad: 62 %".
    static QString turno(const GameState &e, Lado juega, std::optional<int> probabilidad);
    // The cards a deal put in the human's hand, and the table that the first deal of a
    // hand laid: "Nuevo reparto: el 3 de copas, el Rey de oros y el 5 de bastos".
    static QString reparto(const GameState &e, bool primero);

private:
    static QString cartas(const GameState &e, const CardList &lista);
    static QString pila(const GameState &e, const QString &titulo, const CardList &lista);
};
