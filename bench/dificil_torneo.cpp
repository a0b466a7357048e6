// SPDX-License-Identifier: GPL-3.0-or-later

// Tournaments of the Difícil player against the Normal play on the compact
// position, in both seatings, with its thinking time per move. Run by hand:
//   taskset -c 0 ./build/bench/dificil_torneo [partidas] [muestras] [semilla]

#include "electorrapidocontador.h"
#include "electorrapidonormal.h"
#include "muestreodificil.h"
#include "partidacompacta.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Jugador
{
    std::string nombre;
    PartidaCompacta::Elector elector;
};

struct Tabla
{
    int partidas = 0;
    int ganadasCpu = 0;
    int manos = 0;
    int manosCpu = 0;
    int manosHumano = 0;
};

void imprimir(const Jugador &cpu, const Jugador &humano, const Tabla &t,
              std::vector<double> &tiempos)
{
    std::printf("cpu=%-9s human=%-9s games=%d cpu_wins=%.1f%% human_wins=%.1f%% hands=%d "
                "hands_cpu=%.1f%% hands_human=%.1f%%",
                cpu.nombre.c_str(), humano.nombre.c_str(), t.partidas,
                100.0 * t.ganadasCpu / t.partidas, 100.0 * (t.partidas - t.ganadasCpu) / t.partidas,
                t.manos, 100.0 * t.manosCpu / t.manos, 100.0 * t.manosHumano / t.manos);
    if (!tiempos.empty()) {
        std::sort(tiempos.begin(), tiempos.end());
        double total = 0;
        for (double x : tiempos)
            total += x;
        std::printf(" moves=%zu think_ms_mean=%.3f think_ms_p50=%.3f think_ms_p99=%.3f "
                    "think_ms_max=%.3f (thread CPU time)",
                    tiempos.size(), total / static_cast<double>(tiempos.size()),
                    tiempos[tiempos.size() / 2], tiempos[tiempos.size() * 99 / 100],
                    tiempos.back());
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int muestras = argc > 2 ? std::atoi(argv[2]) : MuestreoDificil::kMuestras;
    const std::uint64_t semilla = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;

    const MuestreoDificil dificil(muestras);
    std::vector<double> tiempos;
    std::uint64_t semillaPartida = 0;
    const Jugador jDificil { "dificil", [&](const PosicionCompacta &p) {
                                // Thread CPU time: what one core spends, whatever
                                // else the machine runs meanwhile.
                                timespec a {};
                                timespec b {};
                                clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
                                const MovimientoCompacto m = dificil.elegirCompacto(
                                    VistaDificil::desdePosicion(p, p.turno), semillaPartida);
                                clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
                                tiempos.push_back(static_cast<double>(b.tv_sec - a.tv_sec) * 1e3
                                                  + static_cast<double>(b.tv_nsec - a.tv_nsec)
                                                      / 1e6);
                                return m;
                            } };
    const Jugador jNormal { "normal", ElectorRapidoNormal::elegir };
    const Jugador jContador { "counting", ElectorRapidoContador::elegir };

    const std::vector<std::pair<const Jugador *, const Jugador *>> asientos {
        { &jNormal, &jNormal },  { &jContador, &jNormal }, { &jNormal, &jContador },
        { &jDificil, &jNormal }, { &jNormal, &jDificil },
    };
    const auto palos = PartidaCompacta::palosDelMazo();
    for (const auto &[cpu, humano] : asientos) {
        Tabla t;
        tiempos.clear();
        for (int g = 0; g < partidas; ++g) {
            semillaPartida = semilla * 1000003ULL + static_cast<std::uint64_t>(g);
            const auto r
                = PartidaCompacta::jugar(palos, cpu->elector, humano->elector, semillaPartida);
            ++t.partidas;
            t.ganadasCpu += r.ganador == Lado::Cpu;
            t.manos += r.manos;
            t.manosCpu += r.manosGanadas[Lado::Cpu];
            t.manosHumano += r.manosGanadas[Lado::Humano];
        }
        imprimir(*cpu, *humano, t, tiempos);
    }
    return 0;
}
