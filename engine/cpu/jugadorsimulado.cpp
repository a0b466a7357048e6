// SPDX-License-Identifier: GPL-3.0-or-later

#include "jugadorsimulado.h"

#include "busquedaexacta.h"
#include "chancedepartida.h"
#include "electorrapidocontador.h"
#include "electorrapidonormal.h"

#include <algorithm>
#include <array>

namespace {

using Fin = ChanceDePartida::FinDeMano;

MovimientoCompacto ultimaRondaExperta(const PosicionCompacta &p)
{
    BusquedaExacta::Utilidad soloFin;
    soloFin.gana = ChanceDePartida::trasMano(p, Lado::Cpu, Fin::Gana);
    soloFin.empata = ChanceDePartida::trasMano(p, Lado::Cpu, Fin::Empata);
    soloFin.pierde = ChanceDePartida::trasMano(p, Lado::Cpu, Fin::Pierde);
    const BusquedaExacta::Resultado r = BusquedaExacta(Lado::Cpu, soloFin).mejor(p);
    return r.valor >= soloFin.gana ? r.movimiento : ElectorRapidoContador::elegir(p);
}

} // namespace

MovimientoCompacto JugadorSimulado::elegir(const PosicionCompacta &p) const
{
    if (p.turno == Lado::Humano)
        return m_nivel == NivelCpu::Normal ? ElectorRapidoContador::elegirContraNormal(p)
                                           : ElectorRapidoContador::elegir(p);
    switch (m_nivel) {
    case NivelCpu::Normal:
        return ElectorRapidoNormal::elegir(p);
    case NivelCpu::Experto:
        if (p.repartidas >= PosicionCompacta::kCartas)
            return ultimaRondaExperta(p);
        break;
    case NivelCpu::Dificil:
        break;
    }
    return ElectorRapidoContador::elegir(p);
}

double JugadorSimulado::desvio(Lado abre, int etapa) const
{
    // By the side that opens the hand, the CPU's first; then by deal.
    using Desvios = PorLado<std::array<double, PosicionCompacta::kEtapas>>;
    static constexpr Desvios kContraNormal { { { { 0.65, 0.63, 0.63, 0.61, 0.37, 0.0 },
                                                 { 0.56, 0.55, 0.54, 0.50, 0.35, 0.0 } } } };
    static constexpr Desvios kContraExperto { { { { 0.63, 0.62, 0.59, 0.48, 0.07, 0.0 }, {} } } };
    const auto reparto
        = static_cast<std::size_t>(std::clamp(etapa, 0, PosicionCompacta::kEtapas - 1));
    switch (m_nivel) {
    case NivelCpu::Normal:
        return kContraNormal[abre][reparto];
    case NivelCpu::Experto:
        return kContraExperto[abre][reparto];
    case NivelCpu::Dificil:
        break;
    }
    return 0.0;
}
