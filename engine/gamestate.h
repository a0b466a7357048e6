#pragma once

#include "cardlist.h"
#include "classnaipe.h"
#include "classplayer.h"
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

    // Who plays when the next turn starts: 1 the CPU, 2 the human. The turn
    // flow flips it as a turn starts, so it names the mover's opponent meanwhile.
    std::uint8_t turno = 0;
    bool primerReparto = true; // the next deal still owes the table its cards
    std::uint8_t cartasRepartidas = 0;
    QString ultimoEnLevantar; // "p1" the CPU, "p2" the human; empty until the first lift

    Marcas marcas;

    // The card behind a list entry.
    const classNaipe &carta(const QString &entrada) const { return mazo.carta(entrada.toInt()); }
    const QString &palo(const QString &entrada) const { return carta(entrada).palo(); }

    // Empties the five lists and marks every card undealt, ready for the
    // first deal of a hand. Points, the turn and the last lifter stay.
    void ReiniciarMano();

    // Every dealt card stands in exactly one list and none other does, and the
    // dealt count matches. Returns the fault found, or an empty text.
    QString faltaDeConsistencia() const;
};
