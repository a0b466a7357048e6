// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "elector.h"
#include "randomsource.h"
#include "zelbogame.h"

#include <algorithm>
#include <array>

// The player in the human's seat whenever the human is to play. By default it
// picks one of its hand cards at random, then one of the moves that card
// allows; with a chooser it plays that chooser's move instead. Either way the
// move is played through the board's events, as a person would.
class RandomHuman
{
public:
    enum class Movimiento {
        Tirar, // lay it on the table: only when no table card has its palo
        AlMonton, // put it on the own pile: always allowed
        LevantarMesa, // lift it with a random non-empty set of the matching table cards
        LevantarMonton, // take the CPU's pile, whose top card has its palo
    };

    // A short list kept inline: the simulator asks for them at every move.
    template<class T, int N> struct Corta
    {
        std::array<T, N> v {};
        int n = 0;
        void agregar(T x) { v.at(static_cast<std::size_t>(n++)) = x; }
        T at(int i) const { return v.at(static_cast<std::size_t>(i)); }
        bool contains(T x) const { return std::find(v.begin(), v.begin() + n, x) != v.begin() + n; }
    };
    using Movimientos = Corta<Movimiento, 4>;

    RandomHuman(ZelboGame &juego, RandomSource &azar);

    // From now on the moves come from elector (which must outlive this player).
    void setElector(Elector &elector) { m_elector = &elector; }

    // Whether the game waits for the human: not ended, and a card in the hand.
    bool puedeJugar() const;
    // Plays one move and says which; call only when puedeJugar().
    Movimiento jugar();
    // The move jugar() played last.
    const Jugada &ultimaJugada() const { return m_jugada; }

    // The moves the card in the given hand slot allows.
    static Movimientos legales(const GameState &estado, int slot);

private:
    // A whole number from 0 to n - 1.
    int elegir(int n);
    // Fills m_jugada, whose places are kept from move to move.
    void azar();
    void jugar(const Jugada &jugada);
    // Table places whose card has the palo of carta, as far as the board shows them.
    using Lugares = Corta<int, Marcas::kMesa>;
    static Lugares coincidencias(const GameState &estado, CardId carta);

    ZelboGame &m_juego;
    RandomSource &m_azar;
    Elector *m_elector = nullptr;
    Jugada m_jugada;
};
