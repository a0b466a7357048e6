// SPDX-License-Identifier: GPL-3.0-or-later

#include "jugadorexperto.h"

#include "chancedepartida.h"
#include "politicacontadora.h"
#include "politicanormal.h"
#include "reglascompactas.h"

#include <array>

namespace {

// As for Difícil: the pile lead, scaled to the deck, only breaks near ties.
constexpr double kPesoDiferencia = 0.125 / PosicionCompacta::kCartas;

// Plays the hand out, the opponent modelled as Difícil models it: a careful
// counter on half the deals, a casual player on the other half.
double jugarHastaElFinal(PosicionCompacta p, Lado yo, bool rivalCasual,
                         const BusquedaExacta::Utilidad &u)
{
    while (!p.manoTerminada()) {
        const bool casual = rivalCasual && p.turno != yo;
        p.aplicar(casual ? PoliticaNormal::elegir(p) : PoliticaContadora::elegir(p));
    }
    int diferencia = p.cerrarMano();
    if (yo == Lado::Humano)
        diferencia = -diferencia;
    return u.de(diferencia);
}

} // namespace

JugadorExperto::JugadorExperto(int muestras)
    : m_muestras(muestras)
{
}

BusquedaExacta::Utilidad JugadorExperto::utilidad(const PosicionCompacta &p, Lado lado)
{
    using Fin = ChanceDePartida::FinDeMano;
    BusquedaExacta::Utilidad u;
    u.gana = ChanceDePartida::trasMano(p, lado, Fin::Gana);
    u.empata = ChanceDePartida::trasMano(p, lado, Fin::Empata);
    u.pierde = ChanceDePartida::trasMano(p, lado, Fin::Pierde);
    u.porCarta = (u.gana - u.pierde) * kPesoDiferencia;
    return u;
}

MovimientoCompacto JugadorExperto::elegirCompacto(const VistaDificil &vista,
                                                  std::uint64_t semilla) const
{
    if (vista.posicion.repartidas < PosicionCompacta::kCartas)
        return muestreado(vista, semilla);
    // Nothing is left to deal: the hidden cards are exactly the other hand,
    // and any deal of them is the one true position. A hand the exact search
    // wins against every defence is played that way; one it cannot win so is
    // played out as Difícil would, for the mistakes a real opponent makes,
    // which a search against perfect play would give up on.
    GeneradorDificil azar(semilla);
    const PosicionCompacta mundo = vista.determinizar(azar);
    BusquedaExacta::Utilidad soloFin = utilidad(mundo, vista.yo());
    soloFin.porCarta = 0.0;
    const BusquedaExacta::Resultado r = BusquedaExacta(vista.yo(), soloFin).mejor(mundo);
    if (r.valor >= soloFin.gana)
        return r.movimiento;
    return muestreado(vista, semilla);
}

MovimientoCompacto JugadorExperto::muestreado(const VistaDificil &vista,
                                              std::uint64_t semilla) const
{
    std::array<MovimientoCompacto, 4 * PosicionCompacta::kMano> candidatos {};
    int n = 0;
    ReglasCompactas::generar(
        vista.posicion, vista.yo(), ReglasCompactas::Alcance::Representativas,
        [&](const MovimientoCompacto &m) { candidatos[static_cast<std::size_t>(n++)] = m; });
    if (n <= 1)
        return candidatos[0];
    const BusquedaExacta::Utilidad u = utilidad(vista.posicion, vista.yo());
    std::array<double, candidatos.size()> suma {};
    GeneradorDificil azar(GeneradorDificil::combinar(semilla, vista.huella()));
    for (int muestra = 0; muestra < m_muestras; ++muestra) {
        const PosicionCompacta mundo = vista.determinizar(azar);
        for (int i = 0; i < n; ++i) {
            PosicionCompacta p = mundo;
            p.aplicar(candidatos[static_cast<std::size_t>(i)]);
            suma[static_cast<std::size_t>(i)]
                += jugarHastaElFinal(p, vista.yo(), muestra % 2 == 1, u);
        }
    }
    int mejor = 0;
    for (int i = 1; i < n; ++i) {
        if (suma[static_cast<std::size_t>(i)] > suma[static_cast<std::size_t>(mejor)])
            mejor = i;
    }
    return candidatos[static_cast<std::size_t>(mejor)];
}

Jugada JugadorExperto::elegir(const GameState &estado, Lado lado, std::uint64_t semilla) const
{
    return elegirCompacto(VistaDificil::desdeEstado(estado, lado), semilla).comoJugada();
}
