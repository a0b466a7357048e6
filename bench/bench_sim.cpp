// SPDX-License-Identifier: GPL-3.0-or-later

// Hands per second of the simulator's loop: whole games of the real game, the
// CPU against a random legal human, without a window, on one thread.

#include "simulacionerror.h"
#include "simulador.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// Each iteration is one run of zelbo-sim's loop: state.range(0) games played
// in one session of the game, from its start (which reads the card set) to the
// answer No. The game keeps no preferences file here, so no run writes to disk.
void manosPorSegundo(benchmark::State &state, const QString &programDir)
{
    try {
        Simulador simulador(programDir, 42);
        const int partidas = static_cast<int>(state.range(0));
        double manos = 0;
        for (auto _ : state)
            manos += simulador.jugar(partidas).manos;
        state.counters["hands"] = manos;
        state.counters["hands_per_second"] = benchmark::Counter(manos, benchmark::Counter::kIsRate);
    } catch (const SimulacionError &e) {
        state.SkipWithError(e.what());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // The card set is read through Qt's SQL plugins, which need the application.
    QCoreApplication app(argc, argv);
    // It plays with the naipe40.db that the build puts beside it.
    const QString programDir = QCoreApplication::applicationDirPath();
    benchmark::RegisterBenchmark("sim/games_per_run", manosPorSegundo, programDir)
        ->Arg(1)
        ->Arg(100)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
