// SPDX-License-Identifier: GPL-3.0-or-later

#include "chancedepartida.h"

namespace {

Lado lado(bool cpu)
{
    return cpu ? Lado::Cpu : Lado::Humano;
}

} // namespace

ChanceDePartida::Reparto ChanceDePartida::entreDificiles()
{
    Reparto r;
    r.abreCpu[Lado::Cpu] = kGanaQuienAbre;
    r.abreCpu[Lado::Humano] = kGanaQuienResponde;
    r.abreHumano[Lado::Humano] = kGanaQuienAbre;
    r.abreHumano[Lado::Cpu] = kGanaQuienResponde;
    return r;
}

// Measured over seeded compact games, the hint in the human's seat against each
// level (bench/chance_nivel); the CPU's share first, then the human's.
ChanceDePartida::Reparto ChanceDePartida::contraLaPista(NivelCpu nivel)
{
    Reparto r;
    switch (nivel) {
    case NivelCpu::Normal:
        r.abreCpu = { { 0.074, 0.926 } };
        r.abreHumano = { { 0.205, 0.795 } };
        break;
    case NivelCpu::Dificil:
        r.abreCpu = { { 0.174, 0.822 } };
        r.abreHumano = { { 0.797, 0.201 } };
        break;
    case NivelCpu::Experto:
        r.abreCpu = { { 0.154, 0.845 } };
        r.abreHumano = { { 0.823, 0.177 } };
        break;
    }
    return r;
}

double ChanceDePartida::antesDeMano(const Reparto &r, Lado yo, int mios, int suyos, Lado abre)
{
    if (mios >= kPuntosParaGanar)
        return 1.0;
    if (suyos >= kPuntosParaGanar)
        return 0.0;
    // A tied hand leaves the score and the opener as they were, so only the
    // hands that give a point count.
    const PorLado<double> &reparto = abre == Lado::Cpu ? r.abreCpu : r.abreHumano;
    const bool cpu = yo == Lado::Cpu;
    const double gana = reparto[lado(cpu)];
    const double pierde = reparto[lado(!cpu)];
    return (gana * antesDeMano(r, yo, mios + 1, suyos, abre)
            + pierde * antesDeMano(r, yo, mios, suyos + 1, abre))
        / (gana + pierde);
}

double ChanceDePartida::antesDeMano(int mios, int suyos, bool abre)
{
    return antesDeMano(entreDificiles(), Lado::Cpu, mios, suyos, lado(abre));
}

double ChanceDePartida::trasMano(int mios, int suyos, bool abre, FinDeMano fin)
{
    switch (fin) {
    case FinDeMano::Gana:
        return antesDeMano(mios + 1, suyos, abre);
    case FinDeMano::Pierde:
        return antesDeMano(mios, suyos + 1, abre);
    case FinDeMano::Empata:
        break;
    }
    return antesDeMano(mios, suyos, abre);
}

double ChanceDePartida::trasMano(const PosicionCompacta &p, Lado lado, FinDeMano fin)
{
    return trasMano(p.puntos[lado], p.puntos[contrario(lado)], quienAbre(p) == lado, fin);
}

double ChanceDePartida::trasMano(const Reparto &r, const PosicionCompacta &p, Lado yo,
                                 FinDeMano fin)
{
    const int mios = p.puntos[yo] + (fin == FinDeMano::Gana ? 1 : 0);
    const int suyos = p.puntos[lado(yo != Lado::Cpu)] + (fin == FinDeMano::Pierde ? 1 : 0);
    return antesDeMano(r, yo, mios, suyos, quienAbre(p));
}

Lado ChanceDePartida::quienAbre(const PosicionCompacta &p)
{
    const int jugadas = p.repartidas - PosicionCompacta::kMesaInicial - p.enMano[Lado::Cpu]
        - p.enMano[Lado::Humano];
    return jugadas % 2 == 0 ? p.turno : contrario(p.turno);
}
