// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chancedepartida.h"
#include "jugadorsimulado.h"
#include "lado.h"
#include "movimientocompacto.h"
#include "nivelcpu.h"
#include "vistadificil.h"

#include <cstdint>
#include <stop_token>
#include <vector>

struct GameState;

// Each side's chance to win the hand in play and the game (a hand can also
// end tied), and the cards it is expected to lead by when the hand ends.
struct ChancesDeGanar
{
    PorLado<double> mano {};
    PorLado<double> partida {};
    PorLado<double> ventaja {};
};

// Every move worth comparing of the side to move, with the chances each leaves,
// and the best of them: the higher chance to win the game, then the hand, then
// the larger lead in cards, then the first in the rules' order.
struct ValoracionDeJugadas
{
    std::vector<MovimientoCompacto> movimientos;
    std::vector<ChancesDeGanar> chances;
    std::size_t mejor = 0;

    const ChancesDeGanar &deLaMejor() const { return chances.at(mejor); }
    // The move of the list that plays as m does (one kind, one palo, the same places).
    std::size_t indiceDe(const PosicionCompacta &p, const MovimientoCompacto &m) const;
};

// The chance to win against the CPU of one level, judged from what one side can
// see: it deals the cards that side cannot see at random, plays the hand out
// with each seat played as JugadorSimulado plays it, moves the share of the
// hands each side wins by what those stand-ins are measured to miss, and scores
// each end by the game it leaves (the hands still to come at the shares the hint
// wins against that level). When the human is to move and looks, every move worth comparing
// is played on the same deals and the position is worth what its best move is
// worth: the hint is that move, the counting player looking one move ahead, and
// the chance shown is the chance of a player who plays as the hint. A fixed
// number of deals, drawn from a generator seeded with the view and the
// estimator's seed: one position, level and seed give the same figures on every
// machine, and no hidden card can change them. Once parar is asked to stop, an
// estimate gives up before its next deal, and its figures are not to be used.
class EstimadorVictoria
{
public:
    static constexpr int kMuestras = 200;
    static constexpr std::uint64_t kSemilla = 0x5A454C424F455354ULL;

    explicit EstimadorVictoria(int muestras = kMuestras, std::uint64_t semilla = kSemilla,
                               NivelCpu nivel = NivelCpu::Normal);

    int muestras() const { return m_muestras; }
    NivelCpu nivel() const { return m_jugador.nivel(); }

    // The moves of the side to move compared, each on the same deals: those
    // worth comparing when the human is to move and looks, else the one its
    // seat's player makes.
    ValoracionDeJugadas valorar(const VistaDificil &vista, std::stop_token parar = {}) const;
    // The same for the given moves of the side to move (at least one).
    ValoracionDeJugadas valorar(const VistaDificil &vista,
                                std::vector<MovimientoCompacto> movimientos,
                                std::stop_token parar = {}) const;
    // The position as it stands, from the side to move.
    ChancesDeGanar estimar(const VistaDificil &vista, std::stop_token parar = {}) const;
    ChancesDeGanar estimar(const GameState &estado, Lado lado) const;
    // The position once the side to move has played m: the figure valorar gives m.
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
    // The hand played out from p, its end added to suma (the hand and the lead).
    void jugarYSumar(PosicionCompacta p, ChancesDeGanar &suma) const;
    // The hand's chances the deals from p gave, corrected for what the seats'
    // stand-ins are measured to miss, and the game's chances they leave.
    void completar(const PosicionCompacta &p, ChancesDeGanar &c) const;
    ValoracionDeJugadas valorarDesde(const VistaDificil &vista, Lado mueve,
                                     const MovimientoCompacto *previa,
                                     std::vector<MovimientoCompacto> movimientos,
                                     std::stop_token parar) const;

    int m_muestras;
    std::uint64_t m_semilla;
    JugadorSimulado m_jugador;
    ChanceDePartida::Reparto m_reparto;
};
