// SPDX-License-Identifier: GPL-3.0-or-later

// The simulator against the minimal loop of the same rules: both play the same
// games from the same seed on one thread, the hands are checked to be the
// same, and the hands per second of each and their ratio are printed.
//   taskset -c 0 ./build/bench_minimo [games] [seed]

#include "bucleminimo.h"
#include "simulacionerror.h"
#include "simulador.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

struct Corrida
{
    std::vector<BucleMinimo::Mano> manos;
    double segundos = 0;
};

int ganador(ResultadoMano::Ganador g)
{
    return g == ResultadoMano::Ganador::Cpu ? 1 : g == ResultadoMano::Ganador::Humano ? 2 : 0;
}

Corrida simulador(const QString &programDir, std::uint64_t semilla, int partidas)
{
    Corrida c;
    c.manos.reserve(static_cast<std::size_t>(partidas) * 5);
    Simulador s(programDir, semilla);
    QElapsedTimer reloj;
    reloj.start();
    s.jugar(partidas, [&c](const ResultadoMano &m) {
        c.manos.push_back({ m.cpu, m.humano, m.mesa, ganador(m.ganador) });
    });
    c.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
    return c;
}

Corrida minimo(std::uint64_t semilla, int partidas)
{
    Corrida c;
    c.manos.reserve(static_cast<std::size_t>(partidas) * 5);
    BucleMinimo b(semilla);
    QElapsedTimer reloj;
    reloj.start();
    b.jugar(partidas, [&c](const BucleMinimo::Mano &m) { c.manos.push_back(m); });
    c.segundos = static_cast<double>(reloj.nsecsElapsed()) / 1e9;
    return c;
}

bool iguales(const Corrida &a, const Corrida &b)
{
    if (a.manos.size() != b.manos.size())
        return false;
    for (std::size_t i = 0; i < a.manos.size(); ++i) {
        const BucleMinimo::Mano &x = a.manos[i];
        const BucleMinimo::Mano &y = b.manos[i];
        if (x.cpu != y.cpu || x.humano != y.humano || x.mesa != y.mesa || x.ganador != y.ganador)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 30000;
    const std::uint64_t semilla = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    try {
        const Corrida sim = simulador(QCoreApplication::applicationDirPath(), semilla, partidas);
        const Corrida min = minimo(semilla, partidas);
        if (!iguales(sim, min)) {
            std::fprintf(stderr, "bench_minimo: the minimal loop played other hands\n");
            return 1;
        }
        const double manos = static_cast<double>(sim.manos.size());
        std::printf("games=%d hands=%.0f\n", partidas, manos);
        std::printf("sim      hands_per_second=%.0f\n", manos / sim.segundos);
        std::printf("minimal  hands_per_second=%.0f\n", manos / min.segundos);
        std::printf("ratio sim/minimal = %.3f (time %.2fx)\n", min.segundos / sim.segundos,
                    sim.segundos / min.segundos);
    } catch (const SimulacionError &e) {
        std::fprintf(stderr, "bench_minimo: %s\n", e.what());
        return 1;
    }
    return 0;
}
