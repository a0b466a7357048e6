// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "estimadorvictoria.h"
#include "jugadasdelapartida.h"
#include "lado.h"
#include "revisionjugada.h"

#include <span>
#include <stop_token>

struct GameState;

// Reviews one move from what its mover could see, with the estimator a player
// is shown against the CPU's level, the one judge of the bar, the hint and the
// tutor: every move worth comparing and the move made are played on the same
// deals. A move of the human's is worth what the estimator gives it, the
// position before it what its best move is worth, the move the hint makes:
// the figures are the bar's before and after the move, and following the hint
// loses nothing. Once parar is asked to stop, a review gives up within the
// deal it is on, and is not to be used.
class RevisorDeJugadas
{
public:
    explicit RevisorDeJugadas(int muestras = EstimadorVictoria::kMuestras,
                              NivelCpu nivel = NivelCpu::Normal);

    // The move must be legal for the side to move in the view.
    RevisionJugada revisar(const VistaDificil &vista, const MovimientoCompacto &jugada,
                           std::stop_token parar = {}) const;
    RevisionJugada revisar(const GameState &estado, Lado lado, const Jugada &jugada,
                           std::stop_token parar = {}) const;
    // Move i of the moves played so far, as the human may see it now: the
    // CPU's moves of a hand still in play from the human's seat, those of a
    // hand over from the CPU's own, every card of it having been seen.
    RevisionJugada revisar(std::span<const JugadaAnotada> jugadas, std::size_t i,
                           std::stop_token parar = {}) const;

private:
    RevisionJugada revisarDesdeElRival(const JugadaAnotada &j, std::stop_token parar) const;

    EstimadorVictoria m_estimador;
};
