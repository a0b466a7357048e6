// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keptgame.h"

// Kept game number n, different in every part from its neighbours and of varying size, so
// that a file of one game paired with the other file of another never passes for whole.
inline KeptGame keptGameSample(int n)
{
    KeptGame game;
    const int dealt = 10 + 6 * (n % 6);
    for (int card = 1; card <= dealt; ++card) {
        QStringList *lists[]
            = { &game.partida.lamesa, &game.partida.player1, &game.partida.player1Lev,
                &game.partida.player2, &game.partida.player2Lev };
        lists[(card + n) % 5]->append(QString::number(card));
    }
    for (int card = 1; card <= 40; ++card)
        game.partida.repartidas.append(card <= dealt);
    game.partida.cartasRepartidas = dealt;
    game.partida.nombreCpu = QStringLiteral("Máquina %1").arg(n);
    game.partida.puntosCpu = n % 3;
    game.partida.nombreHumano = QStringLiteral("Begoña %1").arg(n);
    game.partida.puntosHumano = (n / 3) % 3;
    game.ultimoEnLevantar = n % 2 ? QStringLiteral("p1") : QStringLiteral("p2");
    game.turno = n % 2;
    game.numeroPartida = n;
    game.nivelCpu = n % 4 ? QStringLiteral("normal") : QStringLiteral("dificil");
    game.generador = QStringLiteral("mt19937-64 %1").arg(n * 7919);
    // An undo history of up to a few hundred kilobytes makes a save last long enough to be
    // interrupted in its middle.
    game.deshacer = QByteArray((n * 7919) % 300000, static_cast<char>('a' + n % 26));
    game.estadisticas = QByteArray("{\"manos\":") + QByteArray::number(n) + '}';
    game.numeroDeMano = 1 + n % 7;
    if (n % 3 != 0)
        game.nombreEnMarcador = n % 3 == 1 ? QString() : QStringLiteral("Begoña %1").arg(n);
    game.abandonada = n % 2 == 0;
    return game;
}
