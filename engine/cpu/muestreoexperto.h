// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "busquedaexacta.h"
#include "jugada.h"
#include "movimientocompacto.h"
#include "vistadificil.h"

#include <cstdint>
#include <stop_token>

struct GameState;

// The CPU's Experto level, the Difícil player thinking longer and further.
// Until the last cards are dealt it compares the moves as Difícil does, on
// more deals of the cards it cannot see, and weighs each end of the hand by
// the game it leaves rather than by the hand alone (a tie is worth more to a
// side that leads). Once every card is dealt it knows the other hand too,
// and plays a hand the exact search wins against any defence that way.
// Like Difícil, its draws come from its own generator seeded from the view
// and the caller's seed. Once parar is asked to stop, it gives up before its
// next deal, and its move is not to be used.
class MuestreoExperto
{
public:
    static constexpr int kMuestras = 200;

    explicit MuestreoExperto(int muestras = kMuestras);

    MovimientoCompacto elegirCompacto(const VistaDificil &vista, std::uint64_t semilla,
                                      std::stop_token parar = {}) const;
    // The move for a side of a running game.
    Jugada elegir(const GameState &estado, Lado lado, std::uint64_t semilla,
                  std::stop_token parar = {}) const;

    // What each end of the hand in play is worth to the side that looks.
    static BusquedaExacta::Utilidad utilidad(const PosicionCompacta &p, Lado lado);

private:
    MovimientoCompacto muestreado(const VistaDificil &vista, std::uint64_t semilla,
                                  std::stop_token parar) const;

    int m_muestras;
};
