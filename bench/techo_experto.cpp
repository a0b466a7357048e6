// SPDX-License-Identifier: GPL-3.0-or-later

// How far a player can get against Difícil: whole games on the compact
// position, both seatings pooled, the same games for every player. Besides
// Experto it seats two players that cheat, to show the ceiling: one that sees
// the opponent's hand, and one that sees every card, the undealt order too.
// Run by hand, one process per core on different games:
//   ./build/bench/techo_experto [partidas] [primera] [experto|ve-mano|ve-todo]

#include "busquedaexacta.h"
#include "eleccionmuestreada.h"
#include "muestreodificil.h"
#include "muestreoexperto.h"
#include "partidacompacta.h"
#include "reglascompactas.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

enum class Vidente { Mano, Todo };

// The deals the cheat plays out: the true one, or, when it sees the hand
// only, the true one with the undealt cards shuffled.
constexpr int kMuestrasMano = 100;
// From this many cards dealt on, the cheat that sees everything searches to
// the hand's end; the one that sees the hand only, once all are dealt.
constexpr int kBuscaTodo = PosicionCompacta::kCartas - 2 * PosicionCompacta::kReparto;

MovimientoCompacto vidente(const PosicionCompacta &verdad, Vidente ve, std::uint64_t semilla)
{
    const Lado yo = verdad.turno;
    const BusquedaExacta::Utilidad u = MuestreoExperto::utilidad(verdad, yo);
    const int busca = ve == Vidente::Todo ? kBuscaTodo : PosicionCompacta::kCartas;
    if (verdad.repartidas >= busca)
        return BusquedaExacta(yo, u).mejor(verdad).movimiento;
    const VistaDificil vista = VistaDificil::desdePosicion(verdad, yo);
    struct
    {
        std::array<MovimientoCompacto, 4 * PosicionCompacta::kMano> candidatos {};
        std::array<double, 4 * PosicionCompacta::kMano> suma {};
        int n = 0;
    } v;
    ReglasCompactas::generar(
        verdad, yo, ReglasCompactas::Alcance::Representativas,
        [&](const MovimientoCompacto &m) { v.candidatos[static_cast<std::size_t>(v.n++)] = m; });
    GeneradorDificil azar(GeneradorDificil::combinar(semilla, vista.huella()));
    const int muestras = ve == Vidente::Todo ? 2 : kMuestrasMano;
    for (int muestra = 0; muestra < muestras; ++muestra) {
        PosicionCompacta mundo = verdad;
        if (ve == Vidente::Mano) {
            for (int i = PosicionCompacta::kCartas - 1; i > mundo.repartidas; --i) {
                const int j = mundo.repartidas + azar.menorQue(i - mundo.repartidas + 1);
                std::swap(mundo.orden[static_cast<std::size_t>(i)],
                          mundo.orden[static_cast<std::size_t>(j)]);
            }
        }
        for (int i = 0; i < v.n; ++i) {
            PosicionCompacta p = mundo;
            p.aplicar(v.candidatos[static_cast<std::size_t>(i)]);
            v.suma[static_cast<std::size_t>(i)]
                += u.de(EleccionMuestreada::diferenciaAlFinal(p, yo, muestra % 2 == 1));
        }
    }
    int mejor = 0;
    for (int i = 1; i < v.n; ++i) {
        if (v.suma[static_cast<std::size_t>(i)] > v.suma[static_cast<std::size_t>(mejor)])
            mejor = i;
    }
    return v.candidatos[static_cast<std::size_t>(mejor)];
}

void medir(
    const char *nombre, int partidas, int primera,
    const std::function<MovimientoCompacto(const PosicionCompacta &, std::uint64_t)> &jugador)
{
    const MuestreoDificil dificil;
    std::uint64_t s = 0;
    const PartidaCompacta::Elector e = [&](const PosicionCompacta &p) { return jugador(p, s); };
    const PartidaCompacta::Elector d = [&](const PosicionCompacta &p) {
        return dificil.elegirCompacto(VistaDificil::desdePosicion(p, p.turno), s);
    };
    int ganadas = 0;
    for (int g = primera; g < primera + partidas; ++g) {
        s = 777 * 1000003ULL + static_cast<std::uint64_t>(g / 2);
        const bool esCpu = g % 2 == 0;
        const auto r = esCpu ? PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), e, d, s)
                             : PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), d, e, s);
        ganadas += r.ganador == (esCpu ? Lado::Cpu : Lado::Humano);
    }
    const double parte = static_cast<double>(ganadas) / partidas;
    std::printf("%s games=%d (from %d) wins=%d share=%.4f se=%.4f\n", nombre, partidas, primera,
                ganadas, parte, std::sqrt(parte * (1 - parte) / partidas));
}

} // namespace

int main(int argc, char **argv)
{
    const int partidas = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int primera = argc > 2 ? std::atoi(argv[2]) : 0;
    const char *quien = argc > 3 ? argv[3] : "";
    const auto pide
        = [quien](const char *nombre) { return *quien == '\0' || std::strcmp(quien, nombre) == 0; };
    if (pide("experto")) {
        const MuestreoExperto experto;
        medir("experto", partidas, primera, [&experto](const PosicionCompacta &p, std::uint64_t s) {
            return experto.elegirCompacto(VistaDificil::desdePosicion(p, p.turno), s ^ 0x1234);
        });
    }
    if (pide("ve-mano"))
        medir("ve-mano", partidas, primera, [](const PosicionCompacta &p, std::uint64_t s) {
            return vidente(p, Vidente::Mano, s);
        });
    if (pide("ve-todo"))
        medir("ve-todo", partidas, primera, [](const PosicionCompacta &p, std::uint64_t s) {
            return vidente(p, Vidente::Todo, s);
        });
    return 0;
}
