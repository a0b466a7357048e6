// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "classnaipe.h"
#include "classplayer.h"
#include "lado.h"
#include "marcas.h"
#include "mazo.h"

#include <QString>
#include <cstdint>

// Everything a game is: the deck, the two participants, the five card lists,
// the turn-flow variables and the selection.
struct GameState
{
    Mazo mazo;
    classPlayer jugadorCpu;
    classPlayer jugadorHumano;

    CardList player1; // the CPU's hand
    CardList player2; // the human's hand
    CardList lamesa; // the table
    CardList player1Lev; // the CPU's pile, top card first
    CardList player2Lev; // the human's pile, top card first

    // Who plays when the next turn starts. The turn flow flips it as a turn
    // starts, so it names the mover's opponent meanwhile. Nadie before a game.
    Lado turno = Lado::Nadie;
    bool primerReparto = true; // the next deal still owes the table its cards
    std::uint8_t cartasRepartidas = 0;
    Lado ultimoEnLevantar = Lado::Nadie; // Nadie until the first lift of a game
    // The hand in play within the game, 1 for its first. Part of the position, so a
    // position taken back before a hand's end ends that same hand again.
    int numeroDeMano = 1;

    Marcas marcas;

    // The card behind a list entry; kSinCarta has none and throws std::out_of_range.
    const classNaipe &carta(CardId id) const { return mazo.carta(id); }
    const QString &palo(CardId id) const { return carta(id).palo(); }
    std::uint8_t paloId(CardId id) const { return mazo.paloId(id); }
    bool mismoPalo(CardId a, CardId b) const { return paloId(a) == paloId(b); }

    // Empties the five lists and marks every card undealt, ready for the
    // first deal of a hand. Points, the turn and the last lifter stay.
    void ReiniciarMano();

    // Every dealt card stands in exactly one list and none other does, and the
    // dealt count matches. Returns the fault found, or an empty text.
    QString faltaDeConsistencia() const;
};
