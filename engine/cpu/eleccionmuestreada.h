// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "electorrapidocontador.h"
#include "electorrapidonormal.h"
#include "generadordificil.h"
#include "movimientocompacto.h"
#include "reglascompactas.h"
#include "vistadificil.h"

#include <array>
#include <cstdint>
#include <stop_token>

// How the sampling players choose: every move worth comparing is played on the
// same deals of the cards the side to move cannot see, each hand played out to
// its end, and the move whose ends are worth most on the whole is kept. The
// players differ only in what an end is worth to them.
namespace EleccionMuestreada {

// Plays the hand out and gives the pile difference for yo. Half of the deals
// (rivalCasual) model the opponent as a casual player who plays whichever card
// comes first and takes what it can with it, the other half as a careful card
// counter: against a counter alone a player grows too timid to build a pile a
// casual player would not take.
inline int diferenciaAlFinal(PosicionCompacta p, Lado yo, bool rivalCasual)
{
    while (!p.manoTerminada()) {
        const bool casual = rivalCasual && p.turno != yo;
        p.aplicar(casual ? ElectorRapidoNormal::elegir(p) : ElectorRapidoContador::elegir(p));
    }
    const int diferencia = p.cerrarMano();
    return yo == Lado::Humano ? -diferencia : diferencia;
}

// valor(diferencia) is what a pile difference at the hand's end is worth to the side
// to move. The deals come from a generator seeded with the view and semilla.
// Once parar is asked to stop it gives up before its next deal, and its move is
// not to be used.
template<class Valor>
MovimientoCompacto elegir(const VistaDificil &vista, std::uint64_t semilla, int muestras,
                          const Valor &valor, std::stop_token parar = {})
{
    // At most one move of each of the four kinds per hand card.
    std::array<MovimientoCompacto, 4 * PosicionCompacta::kMano> candidatos {};
    int n = 0;
    ReglasCompactas::generar(
        vista.posicion, vista.yo(), ReglasCompactas::Alcance::Representativas,
        [&](const MovimientoCompacto &m) { candidatos[static_cast<std::size_t>(n++)] = m; });
    if (n <= 1)
        return candidatos[0];
    std::array<double, candidatos.size()> suma {};
    GeneradorDificil azar(GeneradorDificil::combinar(semilla, vista.huella()));
    for (int muestra = 0; muestra < muestras && !parar.stop_requested(); ++muestra) {
        const PosicionCompacta mundo = vista.determinizar(azar);
        for (int i = 0; i < n; ++i) {
            PosicionCompacta p = mundo;
            p.aplicar(candidatos[static_cast<std::size_t>(i)]);
            suma[static_cast<std::size_t>(i)]
                += valor(diferenciaAlFinal(p, vista.yo(), muestra % 2 == 1));
        }
    }
    int mejor = 0;
    for (int i = 1; i < n; ++i) {
        if (suma[static_cast<std::size_t>(i)] > suma[static_cast<std::size_t>(mejor)])
            mejor = i;
    }
    return candidatos[static_cast<std::size_t>(mejor)];
}

} // namespace EleccionMuestreada
