// SPDX-License-Identifier: GPL-3.0-or-later

#include "jugadorsimulado.h"

#include "busquedaexacta.h"
#include "chancedepartida.h"
#include "electorrapidocontador.h"
#include "electorrapidonormal.h"

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
