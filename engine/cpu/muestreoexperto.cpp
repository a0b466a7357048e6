// SPDX-License-Identifier: GPL-3.0-or-later

#include "muestreoexperto.h"

#include "chancedepartida.h"
#include "eleccionmuestreada.h"

namespace {

// As for Difícil: the pile lead, scaled to the deck, only breaks near ties.
constexpr double kPesoDiferencia = 0.125 / PosicionCompacta::kCartas;

} // namespace

MuestreoExperto::MuestreoExperto(int muestras)
    : m_muestras(muestras)
{
}

BusquedaExacta::Utilidad MuestreoExperto::utilidad(const PosicionCompacta &p, Lado lado)
{
    using Fin = ChanceDePartida::FinDeMano;
    BusquedaExacta::Utilidad u;
    u.gana = ChanceDePartida::trasMano(p, lado, Fin::Gana);
    u.empata = ChanceDePartida::trasMano(p, lado, Fin::Empata);
    u.pierde = ChanceDePartida::trasMano(p, lado, Fin::Pierde);
    u.porCarta = (u.gana - u.pierde) * kPesoDiferencia;
    return u;
}

MovimientoCompacto MuestreoExperto::elegirCompacto(const VistaDificil &vista, std::uint64_t semilla,
                                                   std::stop_token parar) const
{
    if (vista.posicion.repartidas < PosicionCompacta::kCartas)
        return muestreado(vista, semilla, parar);
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
    return muestreado(vista, semilla, parar);
}

MovimientoCompacto MuestreoExperto::muestreado(const VistaDificil &vista, std::uint64_t semilla,
                                               std::stop_token parar) const
{
    // The opponent is modelled as Difícil models it.
    const BusquedaExacta::Utilidad u = utilidad(vista.posicion, vista.yo());
    return EleccionMuestreada::elegir(
        vista, semilla, m_muestras, [&u](int diferencia) { return u.de(diferencia); }, parar);
}

Jugada MuestreoExperto::elegir(const GameState &estado, Lado lado, std::uint64_t semilla,
                               std::stop_token parar) const
{
    return elegirCompacto(VistaDificil::desdeEstado(estado, lado), semilla, parar).comoJugada();
}
