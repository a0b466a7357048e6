// SPDX-License-Identifier: GPL-3.0-or-later

#include "partidacompacta.h"

#include "generadordificil.h"

#include <numeric>

namespace {

// A safety bound: a game of tied hands would otherwise never end.
constexpr int kMaxManos = 1000;

} // namespace

PartidaCompacta::Palos PartidaCompacta::palosDelMazo()
{
    Palos palos {};
    for (int i = 0; i < PosicionCompacta::kCartas; ++i)
        palos[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i / 10);
    return palos;
}

PartidaCompacta::Resultado PartidaCompacta::jugar(const Palos &palos, const Elector &cpu,
                                                  const Elector &humano, std::uint64_t semilla)
{
    GeneradorDificil azar(semilla);
    PosicionCompacta p;
    p.palo = palos;
    p.turno = kLados[static_cast<std::size_t>(azar.menorQue(2))];
    Resultado r;
    std::array<std::int8_t, PosicionCompacta::kCartas> baraja {};
    while (r.manos < kMaxManos) {
        std::iota(baraja.begin(), baraja.end(), std::int8_t { 0 });
        for (int i = PosicionCompacta::kCartas - 1; i > 0; --i)
            std::swap(baraja[static_cast<std::size_t>(i)],
                      baraja[static_cast<std::size_t>(azar.menorQue(i + 1))]);
        p.nuevaMano(baraja);
        while (!p.manoTerminada())
            p.aplicar(p.turno == Lado::Cpu ? cpu(p) : humano(p));
        const int diferencia = p.cerrarMano();
        ++r.manos;
        if (diferencia == 0) {
            ++r.empates;
            continue;
        }
        const Lado ganador = diferencia > 0 ? Lado::Cpu : Lado::Humano;
        ++r.manosGanadas[ganador];
        if (++p.puntos[ganador] >= kPuntosParaGanar) {
            r.ganador = ganador;
            break;
        }
    }
    return r;
}
