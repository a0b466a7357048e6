// SPDX-License-Identifier: GPL-3.0-or-later

#include "jugadordificil.h"

#include "politicacontadora.h"
#include "politicanormal.h"
#include "reglascompactas.h"

#include <array>

namespace {

// A won hand counts 1; the pile difference, scaled to the deck, only breaks
// near ties between moves that win equally often.
constexpr double kPesoDiferencia = 0.25 / PosicionCompacta::kCartas;

// Plays the hand out. The opponent is unknown, so half of the deals model it
// as a careful card counter and half as a casual player who plays whichever
// card comes first and takes what it can with it: against a counter alone
// the player grows too timid to build a pile a casual player would not take.
double jugarHastaElFinal(PosicionCompacta p, Lado yo, bool rivalCasual)
{
    while (!p.manoTerminada()) {
        const bool casual = rivalCasual && p.turno != yo;
        p.aplicar(casual ? PoliticaNormal::elegir(p) : PoliticaContadora::elegir(p));
    }
    int diferencia = p.cerrarMano();
    if (yo == Lado::Humano)
        diferencia = -diferencia;
    return (diferencia > 0) - (diferencia < 0) + kPesoDiferencia * diferencia;
}

} // namespace

JugadorDificil::JugadorDificil(int muestras)
    : m_muestras(muestras)
{
}

MovimientoCompacto JugadorDificil::elegirCompacto(const VistaDificil &vista,
                                                  std::uint64_t semilla) const
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
    for (int muestra = 0; muestra < m_muestras; ++muestra) {
        const PosicionCompacta mundo = vista.determinizar(azar);
        for (int i = 0; i < n; ++i) {
            PosicionCompacta p = mundo;
            p.aplicar(candidatos[static_cast<std::size_t>(i)]);
            suma[static_cast<std::size_t>(i)] += jugarHastaElFinal(p, vista.yo(), muestra % 2 == 1);
        }
    }
    int mejor = 0;
    for (int i = 1; i < n; ++i) {
        if (suma[static_cast<std::size_t>(i)] > suma[static_cast<std::size_t>(mejor)])
            mejor = i;
    }
    return candidatos[static_cast<std::size_t>(mejor)];
}

Jugada JugadorDificil::elegir(const VistaDificil &vista, std::uint64_t semilla) const
{
    return elegirCompacto(vista, semilla).comoJugada();
}

Jugada JugadorDificil::elegir(const GameState &estado, Lado lado, std::uint64_t semilla) const
{
    return elegir(VistaDificil::desdeEstado(estado, lado), semilla);
}
