// SPDX-License-Identifier: GPL-3.0-or-later

#include "estimadorvictoria.h"

#include "chancedepartida.h"
#include "electorrapidocontador.h"

namespace {

using Fin = ChanceDePartida::FinDeMano;

// Plays the hand out with the counting player on both sides and adds what its
// end is worth to each side.
void jugarYSumar(PosicionCompacta p, ChancesDeGanar &suma)
{
    while (!p.manoTerminada())
        p.aplicar(ElectorRapidoContador::elegir(p));
    const int diferencia = p.cerrarMano(); // the CPU's pile less the human's
    for (const Lado lado : kLados) {
        const int mia = lado == Lado::Cpu ? diferencia : -diferencia;
        const Fin fin = mia > 0 ? Fin::Gana : (mia < 0 ? Fin::Pierde : Fin::Empata);
        suma.mano[lado] += fin == Fin::Gana ? 1.0 : 0.0;
        suma.partida[lado] += ChanceDePartida::trasMano(p, lado, fin);
    }
}

} // namespace

EstimadorVictoria::EstimadorVictoria(int muestras, std::uint64_t semilla)
    : m_muestras(muestras)
    , m_semilla(semilla)
{
}

ChancesDeGanar EstimadorVictoria::estimar(const VistaDificil &vista, std::stop_token parar) const
{
    return estimarDesde(vista, vista.yo(), nullptr, parar);
}

ChancesDeGanar EstimadorVictoria::estimar(const GameState &estado, Lado lado) const
{
    return estimar(VistaDificil::desdeEstado(estado, lado));
}

ChancesDeGanar EstimadorVictoria::estimarTras(const VistaDificil &vista,
                                              const MovimientoCompacto &m,
                                              std::stop_token parar) const
{
    return estimarDesde(vista, vista.yo(), &m, parar);
}

ChancesDeGanar EstimadorVictoria::estimarAlRival(const VistaDificil &vista,
                                                 std::stop_token parar) const
{
    return estimarDesde(vista, contrario(vista.yo()), nullptr, parar);
}

ChancesDeGanar EstimadorVictoria::estimarTrasRival(const VistaDificil &vista,
                                                   const MovimientoCompacto &m,
                                                   std::stop_token parar) const
{
    return estimarDesde(vista, contrario(vista.yo()), &m, parar);
}

ChancesDeGanar EstimadorVictoria::estimarDesde(const VistaDificil &vista, Lado mueve,
                                               const MovimientoCompacto *m,
                                               std::stop_token parar) const
{
    ChancesDeGanar suma;
    GeneradorDificil azar(GeneradorDificil::combinar(m_semilla, vista.huella()));
    for (int muestra = 0; muestra < m_muestras && !parar.stop_requested(); ++muestra) {
        PosicionCompacta p = vista.determinizar(azar);
        p.turno = mueve;
        if (m)
            p.aplicar(*m);
        jugarYSumar(p, suma);
    }
    for (const Lado lado : kLados) {
        suma.mano[lado] /= m_muestras;
        suma.partida[lado] /= m_muestras;
    }
    return suma;
}

std::vector<double>
EstimadorVictoria::compararMovimientos(const VistaDificil &vista,
                                       const std::vector<MovimientoCompacto> &movimientos,
                                       std::stop_token parar) const
{
    std::vector<ChancesDeGanar> sumas(movimientos.size());
    GeneradorDificil azar(GeneradorDificil::combinar(m_semilla, vista.huella()));
    for (int muestra = 0; muestra < m_muestras && !parar.stop_requested(); ++muestra) {
        const PosicionCompacta mundo = vista.determinizar(azar);
        for (std::size_t i = 0; i < movimientos.size(); ++i) {
            PosicionCompacta p = mundo;
            p.aplicar(movimientos[i]);
            jugarYSumar(p, sumas[i]);
        }
    }
    std::vector<double> chances;
    chances.reserve(movimientos.size());
    for (const ChancesDeGanar &s : sumas)
        chances.push_back(s.partida[vista.yo()] / m_muestras);
    return chances;
}
