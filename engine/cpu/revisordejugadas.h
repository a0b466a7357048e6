// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "estimadorvictoria.h"
#include "jugadasdelapartida.h"
#include "lado.h"
#include "revisionjugada.h"

#include <cstdint>
#include <span>
#include <stop_token>

struct GameState;

// Reviews one move from what its mover could see. The chance before and
// after comes from the estimator a player is shown; the loss from a second
// judge of its own, on other deals and several times as many, which plays
// every move worth comparing and the move made on the same deals, so that a
// move is not judged by the luck of the draws that chose it. Once parar is
// asked to stop, a review gives up within the deal it is on, and is not to be
// used.
class RevisorDeJugadas
{
public:
    static constexpr int kVecesMasMuestras = 4;
    static constexpr std::uint64_t kSemillaJuez = 0x5A454C424F4A555AULL;

    explicit RevisorDeJugadas(int muestras = EstimadorVictoria::kMuestras);

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
    EstimadorVictoria m_juez;
};
