// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "gamestate.h"
#include "savedgame.h"

#include <QList>
#include <QString>

// Card numbers of the project's card set, by palo: rows 1-10 are oros, 11-20
// copas, 21-30 espadas, 31-40 bastos. i is the place within the palo, 1..10.
namespace Naipes {
constexpr int oros(int i)
{
    return i;
}
constexpr int copas(int i)
{
    return 10 + i;
}
constexpr int espadas(int i)
{
    return 20 + i;
}
constexpr int bastos(int i)
{
    return 30 + i;
}
} // namespace Naipes

// A moment of a hand, written as card numbers: what a test sets up.
struct Posicion
{
    QList<int> mesa;
    QList<int> cpu; // player1
    QList<int> humano; // player2
    QList<int> pilaCpu; // top card first
    QList<int> pilaHumano; // top card first
    // The piles' sizes: the bottom of each pile is filled up with cards that no
    // list names, lowest numbers first, the CPU's pile first. -1 keeps it as given.
    int tamPilaCpu = -1;
    int tamPilaHumano = -1;
    int puntosCpu = 0;
    int puntosHumano = 0;
    QString nombreCpu = QStringLiteral("Maquina");
    QString nombreHumano = QStringLiteral("Ana");

    // The position with the piles filled up.
    Posicion completa() const;
    // The number of cards in the lists, which is the dealt count of the position.
    int repartidas() const;
    // A game state on the given deck, every listed card dealt.
    GameState estado(const Mazo &mazo) const;
    // The same position as a saved game.
    SavedGame partida() const;

    // A first move of the human's, ten cards dealt: the human to play oros(1)
    // or copas(1), and the CPU holds espadas(1), which matches nothing, so its
    // turn lays it on the table.
    static Posicion primeraJugada();
    // The human holds copas(1), of the suit of the CPU's pile, and oros(10);
    // the table holds bastos(1) and oros(8).
    static Posicion montonDeLaCpuAlAlcance();
    // The human's last card of a hand that gives the human the third point, 2-1.
    static Posicion terceraManoDelHumano();

    static CardList lista(const QList<int> &numeros);
    static QList<int> numeros(const CardList &lista);
    // The entries as the saved-game file writes them, and the last lifter as "p1", "p2" or "".
    static QStringList textos(const CardList &lista);
    static QString ultimo(Lado quien);

    // Everything of a game the player could tell apart, as one text to compare
    // two states with: the five lists in order, the dealt flags and count,
    // primerReparto, names, points, the turn, the last lifter and the marks.
    static QString texto(const GameState &estado);
};
