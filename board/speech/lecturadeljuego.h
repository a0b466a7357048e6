// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Anunciador;
class BarraProbabilidad;
class ZelboGame;

// The state keys and the deals, spoken: a player who cannot see the board asks for
// each part of it whenever the game waits for a move, and hears what each deal
// brought.
class LecturaDelJuego
{
public:
    LecturaDelJuego(const ZelboGame &juego, Anunciador &anunciador);

    // Its figure, while the bar shows one, is said with the turn.
    void setBarra(const BarraProbabilidad &barra) { m_barra = &barra; }

    void mesa();
    void mano();
    // Both piles and both scores.
    void montones();
    // Who plays, the hand and its round, and the chance to win.
    void turno();
    // Cards were dealt: the human's, and the table on a hand's first deal.
    void repartido(bool primero);

private:
    const ZelboGame &m_juego;
    Anunciador &m_anunciador;
    const BarraProbabilidad *m_barra = nullptr;
};
