// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "oyentedelhumano.h"
#include "revisordejugadas.h"

#include <QString>
#include <array>
#include <string>
#include <vector>

// zelbo-sim --review: reviews every move of the human seat as it is played,
// printing "move <game> <hand> <n>: before=<p> after=<q> loss=<l>" (chances
// to win the game, in percent), and at the end tells how well the chances
// before the moves foretold the games: one line per tenth of the scale that
// holds positions, the Brier score against a constant guess, the mean loss.
class RevisionSimulada : public OyenteDelHumano
{
public:
    // The chances are those against the CPU at nivel.
    explicit RevisionSimulada(NivelCpu nivel)
        : m_revisor(EstimadorVictoria::kMuestras, nivel)
    {
    }

    void antesDeJugar(const VistaDificil &vista) override;
    void trasJugar(const Jugada &jugada) override;
    void alTerminarMano() override;
    void alTerminarPartida(bool ganaHumano) override;

    // The "calibration", "brier=" and "mean_loss=" lines, each ending in a newline.
    QString resumen() const;

private:
    struct Posicion
    {
        int partida = 0; // counted from 0
        double chance = 0.0; // before the move, from 0 to 1
    };

    QString calibracion() const;
    bool ganoHumano(int partida) const { return m_ganadas.at(static_cast<std::size_t>(partida)); }

    RevisorDeJugadas m_revisor;
    // Where the run is, each counted from 0: the game, its hand, the human's
    // moves in that hand.
    int m_partida = 0;
    int m_mano = 0;
    int m_jugadas = 0;
    // The move being played: its position and where it stands. Its hand or
    // game may end before the move is told.
    VistaDificil m_vista;
    std::array<int, 3> m_donde {};
    std::vector<Posicion> m_posiciones;
    std::vector<bool> m_ganadas; // by game: the human seat won it
    double m_perdidas = 0.0;
    std::string m_linea;
};
