// SPDX-License-Identifier: GPL-3.0-or-later

#include "chancedepartida.h"

double ChanceDePartida::antesDeMano(int mios, int suyos, bool abre)
{
    if (mios >= kPuntosParaGanar)
        return 1.0;
    if (suyos >= kPuntosParaGanar)
        return 0.0;
    // A tied hand leaves the score and the opener as they were, so only the
    // hands that give a point count.
    const double gana = abre ? kGanaQuienAbre : kGanaQuienResponde;
    const double pierde = abre ? kGanaQuienResponde : kGanaQuienAbre;
    return (gana * antesDeMano(mios + 1, suyos, abre) + pierde * antesDeMano(mios, suyos + 1, abre))
        / (gana + pierde);
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

Lado ChanceDePartida::quienAbre(const PosicionCompacta &p)
{
    const int jugadas = p.repartidas - PosicionCompacta::kMesaInicial - p.enMano[Lado::Cpu]
        - p.enMano[Lado::Humano];
    return jugadas % 2 == 0 ? p.turno : contrario(p.turno);
}
