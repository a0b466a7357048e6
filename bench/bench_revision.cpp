// SPDX-License-Identifier: GPL-3.0-or-later

// How long the review window takes over whole games: seeded games played by the CPU against
// the Difícil player in the human's seat, every move of both sides kept as the window gets
// them, then reviewed one after the other as its thread does. Prints the moves per game and
// the seconds per game, by the clock and of processor time (the clock counts the time other
// programs take on a busy machine).

#include "electordificil.h"
#include "mersennerandom.h"
#include "randomhuman.h"
#include "revisordejugadas.h"
#include "testgame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// The moves of the first game of this seed, read at its last hand's end.
std::vector<JugadaAnotada> partida(std::uint64_t semilla)
{
    TestGame t(semilla);
    MersenneRandom azar(semilla);
    ElectorDificil elector(semilla);
    RandomHuman humano(t.juego(), azar);
    humano.setElector(elector);
    std::vector<JugadaAnotada> jugadas;
    t.vista().setAlContar([&](const ResultadoDeMano &) {
        if (t.vista().resultados().isEmpty()) {
            const auto todas = t.juego().jugadasDeLaPartida().jugadas();
            jugadas.assign(todas.begin(), todas.end());
        }
    });
    t.iniciar();
    while (t.vista().resultados().isEmpty() && humano.puedeJugar())
        humano.jugar();
    return jugadas;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 5;
    const RevisorDeJugadas revisor;
    qint64 ms = 0;
    std::clock_t cpu = 0;
    std::size_t movimientos = 0;
    for (int p = 0; p < partidas; ++p) {
        const std::vector<JugadaAnotada> jugadas = partida(static_cast<std::uint64_t>(100 + p));
        QElapsedTimer reloj;
        reloj.start();
        const std::clock_t desde = std::clock();
        for (const JugadaAnotada &j : jugadas)
            revisor.revisar(j.antes, j.lado, j.jugada);
        cpu += std::clock() - desde;
        ms += reloj.elapsed();
        movimientos += jugadas.size();
    }
    std::printf("games=%d moves_per_game=%.1f seconds_per_game=%.2f cpu_seconds_per_game=%.2f\n",
                partidas, static_cast<double>(movimientos) / partidas, ms / 1000.0 / partidas,
                static_cast<double>(cpu) / CLOCKS_PER_SEC / partidas);
    return 0;
}
