// SPDX-License-Identifier: GPL-3.0-or-later

// The Experto player against Difícil on the compact position, both seatings
// pooled, with Experto's thinking time per move; and the share of fresh hands
// that two Difícil players win from either seat. Run by hand:
//   taskset -c 0 ./build/bench/experto_torneo [partidas] [muestras] [semilla]

#include "muestreodificil.h"
#include "muestreoexperto.h"
#include "partidacompacta.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <vector>

namespace {

double milisegundosDeCpu()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void imprimirTiempos(std::vector<double> &t)
{
    if (t.empty())
        return;
    std::sort(t.begin(), t.end());
    double total = 0;
    for (double x : t)
        total += x;
    std::printf("experto moves=%zu think_ms_mean=%.3f think_ms_p50=%.3f think_ms_p99=%.3f "
                "think_ms_max=%.3f (thread CPU time)\n",
                t.size(), total / static_cast<double>(t.size()), t[t.size() / 2],
                t[t.size() * 99 / 100], t.back());
}

// Fresh hands of two Difícil players: the share the opener and the answerer win.
void manosPorLado(int manos, std::uint64_t semilla)
{
    const MuestreoDificil dificil;
    GeneradorDificil azar(semilla);
    int ganaQuienAbre = 0;
    int ganaQuienResponde = 0;
    for (int mano = 0; mano < manos; ++mano) {
        std::array<std::int8_t, PosicionCompacta::kCartas> baraja {};
        std::iota(baraja.begin(), baraja.end(), std::int8_t { 0 });
        for (int i = PosicionCompacta::kCartas - 1; i > 0; --i)
            std::swap(baraja[static_cast<std::size_t>(i)],
                      baraja[static_cast<std::size_t>(azar.menorQue(i + 1))]);
        PosicionCompacta p;
        p.palo = PartidaCompacta::palosDelMazo();
        const Lado abre = mano % 2 == 0 ? Lado::Cpu : Lado::Humano;
        p.turno = abre;
        p.nuevaMano(baraja);
        while (!p.manoTerminada())
            p.aplicar(dificil.elegirCompacto(VistaDificil::desdePosicion(p, p.turno),
                                             semilla + static_cast<std::uint64_t>(mano)));
        const int diferencia = p.cerrarMano();
        const Lado ganador
            = diferencia > 0 ? Lado::Cpu : (diferencia < 0 ? Lado::Humano : Lado::Nadie);
        ganaQuienAbre += ganador == abre;
        ganaQuienResponde += ganador == contrario(abre);
    }
    std::printf("dificil-dificil hands=%d won_by_opener=%.4f won_by_answerer=%.4f\n", manos,
                static_cast<double>(ganaQuienAbre) / manos,
                static_cast<double>(ganaQuienResponde) / manos);
}

} // namespace

int main(int argc, char **argv)
{
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int muestras = argc > 2 ? std::atoi(argv[2]) : MuestreoExperto::kMuestras;
    const std::uint64_t semilla = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
    if (argc > 4) {
        manosPorLado(partidas, semilla);
        return 0;
    }
    const MuestreoDificil dificil;
    const MuestreoExperto experto(muestras);
    std::vector<double> tiempos;
    std::uint64_t s = 0;
    const PartidaCompacta::Elector e = [&](const PosicionCompacta &p) {
        const double antes = milisegundosDeCpu();
        const MovimientoCompacto m
            = experto.elegirCompacto(VistaDificil::desdePosicion(p, p.turno), s ^ 0x1234);
        tiempos.push_back(milisegundosDeCpu() - antes);
        return m;
    };
    const PartidaCompacta::Elector d = [&](const PosicionCompacta &p) {
        return dificil.elegirCompacto(VistaDificil::desdePosicion(p, p.turno), s);
    };
    int ganadas = 0;
    for (int g = 0; g < partidas; ++g) {
        s = semilla * 1000003ULL + static_cast<std::uint64_t>(g / 2);
        const bool expertoEsCpu = g % 2 == 0;
        const auto r = expertoEsCpu
            ? PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), e, d, s)
            : PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), d, e, s);
        ganadas += r.ganador == (expertoEsCpu ? Lado::Cpu : Lado::Humano);
    }
    std::printf("experto-dificil games=%d experto_wins=%.2f%%\n", partidas,
                100.0 * ganadas / partidas);
    imprimirTiempos(tiempos);
    return 0;
}
