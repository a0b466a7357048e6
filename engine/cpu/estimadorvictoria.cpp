// SPDX-License-Identifier: GPL-3.0-or-later

#include "estimadorvictoria.h"

#include "reglascompactas.h"

#include <algorithm>
#include <cmath>

namespace {

using Fin = ChanceDePartida::FinDeMano;

// The side whose first move is compared, after previa: the human, looking, with
// a hand of its own that no deal refills first (a deal would give it other
// cards on every deal drawn).
bool comparaLaPista(const VistaDificil &vista, const PosicionCompacta &p)
{
    return vista.yo() == Lado::Humano && vista.posicion.enMano[Lado::Humano] > 0
        && p.turno == Lado::Humano && !p.manoTerminada();
}

// Better for lado: its chance to win the game, then the hand, then its lead.
bool mejorPara(Lado lado, const ChancesDeGanar &a, const ChancesDeGanar &b)
{
    if (a.partida[lado] != b.partida[lado])
        return a.partida[lado] > b.partida[lado];
    if (a.mano[lado] != b.mano[lado])
        return a.mano[lado] > b.mano[lado];
    return a.ventaja[lado] > b.ventaja[lado];
}

std::vector<ChancesDeGanar> promedios(std::vector<ChancesDeGanar> sumas, int muestras)
{
    for (ChancesDeGanar &s : sumas) {
        for (const Lado lado : kLados) {
            s.mano[lado] /= muestras;
            s.ventaja[lado] /= muestras;
        }
    }
    return sumas;
}

} // namespace

std::size_t ValoracionDeJugadas::indiceDe(const PosicionCompacta &p,
                                          const MovimientoCompacto &m) const
{
    const auto &mano = p.mano[p.turno];
    for (std::size_t i = 0; i < movimientos.size(); ++i) {
        const MovimientoCompacto &c = movimientos[i];
        if (c.tipo == m.tipo && c.mesa == m.mesa && p.palo[mano[c.carta]] == p.palo[mano[m.carta]])
            return i;
    }
    return movimientos.size();
}

EstimadorVictoria::EstimadorVictoria(int muestras, std::uint64_t semilla, NivelCpu nivel)
    : m_muestras(muestras)
    , m_semilla(semilla)
    , m_jugador(nivel)
    , m_reparto(ChanceDePartida::contraLaPista(nivel))
{
}

void EstimadorVictoria::jugarYSumar(PosicionCompacta p, ChancesDeGanar &suma) const
{
    while (!p.manoTerminada())
        p.aplicar(m_jugador.elegir(p));
    const int diferencia = p.cerrarMano(); // the CPU's pile less the human's
    for (const Lado lado : kLados) {
        const int mia = lado == Lado::Cpu ? diferencia : -diferencia;
        suma.mano[lado] += mia > 0 ? 1.0 : 0.0;
        suma.ventaja[lado] += mia;
    }
}

void EstimadorVictoria::completar(const PosicionCompacta &p, ChancesDeGanar &c) const
{
    const double gana = c.mano[Lado::Humano];
    const double pierde = c.mano[Lado::Cpu];
    // The human's odds of the decisive hands move; the tied hands stay, and so does
    // a hand every deal gave to one side.
    if (gana > 0 && pierde > 0) {
        const double decisivas = gana + pierde;
        const double razon
            = gana / pierde * std::exp(m_jugador.desvio(ChanceDePartida::quienAbre(p), p.etapa()));
        c.mano[Lado::Humano] = decisivas * razon / (1 + razon);
        c.mano[Lado::Cpu] = decisivas / (1 + razon);
    }
    const double empata = std::max(0.0, 1 - c.mano[Lado::Cpu] - c.mano[Lado::Humano]);
    for (const Lado lado : kLados) {
        c.partida[lado] = c.mano[lado] * ChanceDePartida::trasMano(m_reparto, p, lado, Fin::Gana)
            + empata * ChanceDePartida::trasMano(m_reparto, p, lado, Fin::Empata)
            + c.mano[contrario(lado)] * ChanceDePartida::trasMano(m_reparto, p, lado, Fin::Pierde);
    }
}

ValoracionDeJugadas EstimadorVictoria::valorarDesde(const VistaDificil &vista, Lado mueve,
                                                    const MovimientoCompacto *previa,
                                                    std::vector<MovimientoCompacto> movimientos,
                                                    std::stop_token parar) const
{
    ValoracionDeJugadas v;
    v.movimientos = std::move(movimientos);
    bool elegidos = !v.movimientos.empty();
    std::vector<ChancesDeGanar> sumas;
    GeneradorDificil azar(GeneradorDificil::combinar(m_semilla, vista.huella()));
    Lado compara = mueve;
    PosicionCompacta primero;
    for (int muestra = 0; muestra < m_muestras && !parar.stop_requested(); ++muestra) {
        PosicionCompacta mundo = vista.determinizar(azar);
        mundo.turno = mueve;
        if (previa)
            mundo.aplicar(*previa);
        if (muestra == 0)
            primero = mundo;
        if (!elegidos) {
            // The moves the human can make are the same on every deal drawn.
            elegidos = true;
            compara = mundo.turno;
            if (comparaLaPista(vista, mundo))
                v.movimientos = ReglasCompactas::movimientos(
                    mundo, Lado::Humano, ReglasCompactas::Alcance::Representativas);
        }
        sumas.resize(std::max<std::size_t>(1, v.movimientos.size()));
        if (v.movimientos.empty()) {
            jugarYSumar(mundo, sumas[0]);
            continue;
        }
        for (std::size_t i = 0; i < v.movimientos.size(); ++i) {
            PosicionCompacta p = mundo;
            p.aplicar(v.movimientos[i]);
            jugarYSumar(p, sumas[i]);
        }
    }
    sumas.resize(std::max<std::size_t>(1, v.movimientos.size()));
    v.chances = promedios(std::move(sumas), m_muestras);
    for (ChancesDeGanar &c : v.chances)
        completar(primero, c);
    for (std::size_t i = 1; i < v.chances.size(); ++i) {
        if (mejorPara(compara, v.chances[i], v.chances[v.mejor]))
            v.mejor = i;
    }
    return v;
}

ValoracionDeJugadas EstimadorVictoria::valorar(const VistaDificil &vista,
                                               std::stop_token parar) const
{
    return valorarDesde(vista, vista.yo(), nullptr, {}, parar);
}

ValoracionDeJugadas EstimadorVictoria::valorar(const VistaDificil &vista,
                                               std::vector<MovimientoCompacto> movimientos,
                                               std::stop_token parar) const
{
    return valorarDesde(vista, vista.yo(), nullptr, std::move(movimientos), parar);
}

ChancesDeGanar EstimadorVictoria::estimar(const VistaDificil &vista, std::stop_token parar) const
{
    return valorar(vista, parar).deLaMejor();
}

ChancesDeGanar EstimadorVictoria::estimar(const GameState &estado, Lado lado) const
{
    return estimar(VistaDificil::desdeEstado(estado, lado));
}

ChancesDeGanar EstimadorVictoria::estimarTras(const VistaDificil &vista,
                                              const MovimientoCompacto &m,
                                              std::stop_token parar) const
{
    if (vista.yo() == Lado::Humano) {
        const ValoracionDeJugadas v = valorar(vista, parar);
        const std::size_t i = v.indiceDe(vista.posicion, m);
        if (i < v.movimientos.size())
            return v.chances[i];
    }
    return valorar(vista, { m }, parar).deLaMejor();
}

ChancesDeGanar EstimadorVictoria::estimarAlRival(const VistaDificil &vista,
                                                 std::stop_token parar) const
{
    return valorarDesde(vista, contrario(vista.yo()), nullptr, {}, parar).deLaMejor();
}

ChancesDeGanar EstimadorVictoria::estimarTrasRival(const VistaDificil &vista,
                                                   const MovimientoCompacto &m,
                                                   std::stop_token parar) const
{
    return valorarDesde(vista, contrario(vista.yo()), &m, {}, parar).deLaMejor();
}

std::vector<double>
EstimadorVictoria::compararMovimientos(const VistaDificil &vista,
                                       const std::vector<MovimientoCompacto> &movimientos,
                                       std::stop_token parar) const
{
    if (movimientos.empty())
        return {};
    const ValoracionDeJugadas v = valorar(vista, movimientos, parar);
    std::vector<double> chances;
    chances.reserve(v.chances.size());
    for (const ChancesDeGanar &c : v.chances)
        chances.push_back(c.partida[vista.yo()]);
    return chances;
}
