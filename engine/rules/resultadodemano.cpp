// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultadodemano.h"

ResultadoDeMano ResultadoDeMano::dePilas(int cpu, int humano)
{
    const Ganador ganador = cpu > humano ? Ganador::Cpu
        : humano > cpu                   ? Ganador::Humano
                                         : Ganador::Empate;
    return { ganador, cpu, humano };
}

QString ResultadoDeMano::texto(const QString &nombreHumano) const
{
    switch (ganador) {
    case Ganador::Cpu:
        return tr("Cpu gana la mano");
    case Ganador::Humano:
        return tr("%1 gana la mano").arg(nombreHumano);
    case Ganador::Empate:
        break;
    }
    return tr("Mano empatada");
}
