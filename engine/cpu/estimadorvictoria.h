// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lado.h"
#include "movimientocompacto.h"
#include "vistadificil.h"

#include <array>
#include <cstdint>
#include <stop_token>
#include <vector>

struct GameState;

// Each side's chance to win the hand in play and the game. A hand can also
// end tied.
struct ChancesDeGanar
{
    PorLado<double> mano {};
    PorLado<double> partida {};
};

// The chance to win, judged from what one side can see: as the Difícil player
// does, it deals the cards that side cannot see at random, plays the hand out
// with the card-counting player on both sides, and scores each end by the
// game it leaves (the hands still to come at the shares strong players win
// from either side). A fixed number of deals, drawn from a generator seeded
// with the view and the estimator's seed: one position and one seed give the
// same estimate on every machine, and no hidden card can change it. Once
// parar is asked to stop, an estimate gives up before its next deal, and its
// figures are not to be used.
class EstimadorVictoria
{
public:
    static constexpr int kMuestras = 200;
    static constexpr std::uint64_t kSemilla = 0x5A454C424F455354ULL;

    explicit EstimadorVictoria(int muestras = kMuestras, std::uint64_t semilla = kSemilla);

    int muestras() const { return m_muestras; }

    // The position as it stands, from the side to move.
    ChancesDeGanar estimar(const VistaDificil &vista, std::stop_token parar = {}) const;
    ChancesDeGanar estimar(const GameState &estado, Lado lado) const;
    // The position once the side to move has played m.
    ChancesDeGanar estimarTras(const VistaDificil &vista, const MovimientoCompacto &m,
                               std::stop_token parar = {}) const;
    // The same when the opponent of the side that looks is to move: before its
    // move, and once it has played m with a card the view was shown
    // (VistaDificil::verCartaRival).
    ChancesDeGanar estimarAlRival(const VistaDificil &vista, std::stop_token parar = {}) const;
    ChancesDeGanar estimarTrasRival(const VistaDificil &vista, const MovimientoCompacto &m,
                                    std::stop_token parar = {}) const;
    // The mover's chance to win the game after each move, every move played
    // on the same deals, so that the moves are compared on equal luck.
    std::vector<double> compararMovimientos(const VistaDificil &vista,
                                            const std::vector<MovimientoCompacto> &movimientos,
                                            std::stop_token parar = {}) const;

private:
    ChancesDeGanar estimarDesde(const VistaDificil &vista, Lado mueve, const MovimientoCompacto *m,
                                std::stop_token parar) const;

    int m_muestras;
    std::uint64_t m_semilla;
};
