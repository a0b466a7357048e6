#pragma once

#include "randomsource.h"
#include "zelbogame.h"

#include <QList>

// A player that makes a random legal move whenever the human is to play: it
// picks one of its hand cards at random, then one of the moves that card
// allows, and plays it through the board's events as a person would.
class RandomHuman
{
public:
    enum class Movimiento {
        Tirar, // lay it on the table: only when no table card has its palo
        AlMonton, // put it on the own pile: always allowed
        LevantarMesa, // lift it with a random non-empty set of the matching table cards
        LevantarMonton, // take the CPU's pile, whose top card has its palo
    };

    RandomHuman(ZelboGame &juego, RandomSource &azar);

    // Whether the game waits for the human: not ended, and a card in the hand.
    bool puedeJugar() const;
    // Plays one move and says which; call only when puedeJugar().
    Movimiento jugar();

    // The moves the card in the given hand slot allows.
    static QList<Movimiento> legales(const GameState &estado, int slot);

private:
    // A whole number from 0 to n - 1.
    int elegir(int n);
    void levantarMesa(int slot);
    // Table places whose card has the palo, as far as the board shows them.
    static QList<int> coincidencias(const GameState &estado, const QString &palo);

    ZelboGame &m_juego;
    RandomSource &m_azar;
};
