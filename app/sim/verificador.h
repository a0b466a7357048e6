// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

struct GameState;

// Watches a simulated run for a card out of place. After every refresh of the
// board (each move of either player and each deal) every card stands in
// exactly one place (a hand, the table, a pile or the undealt deck) and the
// dealt count matches; when a hand is scored, the two piles and the table
// hold the 40 cards. It keeps the first fault with where it happened.
class Verificador
{
public:
    explicit Verificador(std::uint64_t semilla);

    // The next move is the human's; the ones after it, up to the next call, are the CPU's.
    void antesDelHumano() { m_delHumano = true; }
    void trasActualizar(const GameState &e);
    void alContar(const GameState &e, int cpu, int humano);
    void alTerminarPartida();

    // Throws VerificacionError with the first fault found, if any.
    void comprobar() const;

    std::int64_t movimientos() const { return m_movimientos; }
    std::int64_t repartos() const { return m_repartos; }
    std::int64_t manos() const { return m_manos; }

private:
    void falta(const QString &quien, const QString &texto);

    std::uint64_t m_semilla;
    // Where the run is: games and hands count from 1, moves from 1 within a hand.
    int m_partida = 1;
    int m_mano = 1;
    int m_movimiento = 0;
    bool m_delHumano = false;
    // The dealt count at the last refresh: a refresh that changes it is a deal.
    int m_repartidas = -1;
    std::int64_t m_movimientos = 0;
    std::int64_t m_repartos = 0;
    std::int64_t m_manos = 0;
    QString m_falta;
};
