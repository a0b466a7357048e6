// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamestate.h"

#include <array>

QString GameState::faltaDeConsistencia() const
{
    std::array<int, Mazo::kCartas + 1> vistas {};
    for (const CardList *lista : { &player1, &player2, &lamesa, &player1Lev, &player2Lev }) {
        for (const CardId carta : *lista) {
            if (carta < 1 || carta > Mazo::kCartas)
                return QStringLiteral("entrada no válida %1").arg(carta);
            ++vistas.at(carta);
        }
    }
    int repartidas = 0;
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        const int veces = vistas.at(static_cast<std::size_t>(n));
        const bool repartida = mazo.repartida(n);
        repartidas += repartida ? 1 : 0;
        if (veces != (repartida ? 1 : 0))
            return QStringLiteral("la carta %1 está %2 veces").arg(n).arg(veces);
    }
    if (repartidas != cartasRepartidas)
        return QStringLiteral("%1 cartas repartidas, cuenta %2")
            .arg(repartidas)
            .arg(cartasRepartidas);
    return {};
}

void GameState::ReiniciarMano()
{
    for (CardList *lista : { &player1, &player2, &player1Lev, &player2Lev, &lamesa })
        lista->clear();
    primerReparto = true;
    cartasRepartidas = 0;
    mazo.olvidarRepartidas();
}
