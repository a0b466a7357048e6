// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A game in progress as the saved-game file holds it. The card lists hold card indexes as
// plain decimal text; a pile keeps its top card first. repartidas holds the dealt flag of
// the deck's cards in card order.
struct SavedGame
{
    QStringList lamesa;
    QStringList player1;
    QStringList player1Lev;
    QStringList player2;
    QStringList player2Lev;
    QList<bool> repartidas;
    bool primerReparto = false;
    int cartasRepartidas = 0;
    QString nombreCpu;
    int puntosCpu = 0;
    QString nombreHumano;
    int puntosHumano = 0;

    friend bool operator==(const SavedGame &, const SavedGame &) = default;
};
