// SPDX-License-Identifier: GPL-3.0-or-later

// The hint's player in the human's seat against each level of the CPU on the compact
// position: the shares of hands each side wins by the side that opens them (the figures
// ChanceDePartida::contraLaPista holds), and the time one estimate of the chance to win
// takes at that level (the bar's work at each human turn). Then, by the side that opens
// and the deal in play, how far the estimate's share of the decisive hands for the human
// is from the share those hands gave, in log-odds (what JugadorSimulado::desvio still
// misses; 0 is right). Run by hand:
//   taskset -c 0 ./build/bench/chance_nivel [partidas] [semilla] [normal|dificil|experto]

#include "electorrapidonormal.h"
#include "estimadorvictoria.h"
#include "muestreodificil.h"
#include "muestreoexperto.h"
#include "partidacompacta.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

namespace {

double hiloMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

PartidaCompacta::Elector cpu(NivelCpu nivel, const std::uint64_t &semilla)
{
    switch (nivel) {
    case NivelCpu::Dificil:
        return [&semilla](const PosicionCompacta &p) {
            return MuestreoDificil().elegirCompacto(VistaDificil::desdePosicion(p, p.turno),
                                                    semilla);
        };
    case NivelCpu::Experto:
        return [&semilla](const PosicionCompacta &p) {
            return MuestreoExperto().elegirCompacto(VistaDificil::desdePosicion(p, p.turno),
                                                    semilla);
        };
    case NivelCpu::Normal:
        break;
    }
    return ElectorRapidoNormal::elegir;
}

constexpr int kEtapas = PosicionCompacta::kEtapas;

// The human's estimated shares of the hand at each of its moves, by opener and deal,
// set against how each hand ended.
class Desvios
{
public:
    void anotar(const PosicionCompacta &p, const ChancesDeGanar &c)
    {
        if (p.repartidas < m_repartidas || p.puntos != m_puntos)
            cerrar(p.puntos[Lado::Humano] > m_puntos[Lado::Humano]
                       ? Lado::Humano
                       : (p.puntos[Lado::Cpu] > m_puntos[Lado::Cpu] ? Lado::Cpu : Lado::Nadie));
        m_repartidas = p.repartidas;
        m_puntos = p.puntos;
        m_abierta.push_back({ ChanceDePartida::quienAbre(p), p.etapa(), c.mano });
    }
    // The game is over: its last hand went to its winner.
    void terminar(Lado ganador)
    {
        cerrar(ganador);
        m_repartidas = 0;
        m_puntos = {};
    }
    void imprimir() const
    {
        for (const Lado abre : kLados) {
            std::printf("  %s opens, log-odds the estimate misses by deal:",
                        abre == Lado::Cpu ? "cpu" : "human");
            for (int e = 0; e < kEtapas; ++e) {
                const Celda &c = m_celdas[abre][static_cast<std::size_t>(e)];
                const double estimada
                    = c.estimada[Lado::Humano] / (c.estimada[Lado::Humano] + c.estimada[Lado::Cpu]);
                const double real = static_cast<double>(c.ganadas[Lado::Humano])
                    / std::max(1, c.ganadas[Lado::Humano] + c.ganadas[Lado::Cpu]);
                std::printf(" %+.2f",
                            std::log(real / (1 - real)) - std::log(estimada / (1 - estimada)));
            }
            std::printf("\n");
        }
    }

private:
    struct Anotada
    {
        Lado abre;
        int etapa;
        PorLado<double> mano;
    };
    struct Celda
    {
        PorLado<double> estimada {};
        PorLado<int> ganadas {};
    };

    void cerrar(Lado ganador)
    {
        for (const Anotada &a : m_abierta) {
            Celda &c = m_celdas[a.abre][static_cast<std::size_t>(a.etapa)];
            for (const Lado lado : kLados)
                c.estimada[lado] += a.mano[lado];
            if (ganador != Lado::Nadie)
                ++c.ganadas[ganador];
        }
        m_abierta.clear();
    }

    PorLado<std::array<Celda, kEtapas>> m_celdas {};
    std::vector<Anotada> m_abierta;
    int m_repartidas = 0;
    PorLado<std::uint8_t> m_puntos {};
};

} // namespace

int main(int argc, char **argv)
{
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 300;
    const std::uint64_t semilla = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const std::optional<NivelCpu> solo
        = argc > 3 ? NivelesCpu::deClave(QString::fromLatin1(argv[3])) : std::nullopt;
    const auto palos = PartidaCompacta::palosDelMazo();
    for (const NivelCpu nivel : { NivelCpu::Normal, NivelCpu::Dificil, NivelCpu::Experto }) {
        if (solo && nivel != *solo)
            continue;
        const EstimadorVictoria juez(EstimadorVictoria::kMuestras, EstimadorVictoria::kSemilla,
                                     nivel);
        std::vector<double> tiempos;
        Desvios desvios;
        Lado abre = Lado::Nadie;
        const PartidaCompacta::Elector pista = [&](const PosicionCompacta &p) {
            if (p.repartidas == PosicionCompacta::kMesaInicial + 2 * PosicionCompacta::kReparto
                && p.enMano[Lado::Cpu] == PosicionCompacta::kMano)
                abre = Lado::Humano;
            const double desde = hiloMs();
            const ValoracionDeJugadas v = juez.valorar(VistaDificil::desdePosicion(p, p.turno));
            tiempos.push_back(hiloMs() - desde);
            desvios.anotar(p, v.deLaMejor());
            return v.movimientos.at(v.mejor);
        };
        std::uint64_t semillaPartida = 0;
        const PartidaCompacta::Elector laCpu = cpu(nivel, semillaPartida);
        const PartidaCompacta::Elector cpuQueAnota = [&](const PosicionCompacta &p) {
            if (p.repartidas == PosicionCompacta::kMesaInicial + 2 * PosicionCompacta::kReparto
                && p.enMano[Lado::Humano] == PosicionCompacta::kMano)
                abre = Lado::Cpu;
            return laCpu(p);
        };
        // Hands won by [opener][winner]: the CPU's first, then the human's.
        PorLado<PorLado<int>> ganadas {};
        PorLado<int> manos {};
        PorLado<int> partidasGanadas {};
        for (int g = 0; g < partidas; ++g) {
            semillaPartida = semilla * 1000003ULL + static_cast<std::uint64_t>(g);
            abre = Lado::Nadie;
            const auto r = PartidaCompacta::jugar(palos, cpuQueAnota, pista, semillaPartida);
            manos[abre] += r.manos;
            for (const Lado lado : kLados)
                ganadas[abre][lado] += r.manosGanadas[lado];
            ++partidasGanadas[r.ganador];
            desvios.terminar(r.ganador);
        }
        std::sort(tiempos.begin(), tiempos.end());
        double total = 0;
        for (const double t : tiempos)
            total += t;
        std::printf("cpu=%s games=%d human_games=%.1f%%", qPrintable(NivelesCpu::clave(nivel)),
                    partidas, 100.0 * partidasGanadas[Lado::Humano] / partidas);
        for (const Lado a : kLados)
            std::printf(" %s_opens: hands=%d cpu=%.3f human=%.3f", a == Lado::Cpu ? "cpu" : "human",
                        manos[a],
                        static_cast<double>(ganadas[a][Lado::Cpu]) / std::max(1, manos[a]),
                        static_cast<double>(ganadas[a][Lado::Humano]) / std::max(1, manos[a]));
        std::printf(" estimate_ms_mean=%.2f estimate_ms_p50=%.2f estimate_ms_max=%.2f\n",
                    total / static_cast<double>(tiempos.size()), tiempos[tiempos.size() / 2],
                    tiempos.back());
        desvios.imprimir();
        std::fflush(stdout);
    }
    return 0;
}
