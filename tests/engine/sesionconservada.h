// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "keptgamekeeper.h"
#include "mersennerandom.h"
#include "partidaguardada.h"
#include "randomhuman.h"
#include "savedgamefile.h"
#include "zelbogame.h"

#include <QBuffer>

// One run of the program over a per-user folder: the game, its fake window and dialogs, and
// the kept game and statistics of that folder. The human's chance lives outside, so a game
// cut by a restart can go on with the moves it would have made. A numbered session draws
// each game's number as the program does; otherwise the dealing generator goes on as given.
struct SesionConservada
{
    enum class Numeracion { Sin, ComoElPrograma };

    SesionConservada(const QString &programa, const QString &carpeta, std::uint64_t semilla,
                     MersenneRandom &azarHumano, Numeracion numeracion = Numeracion::Sin)
        : azar(semilla)
        , sorteo(semilla + 1)
        , juego(programa, vista, dialogos, azar, ajustes)
        , conservada(carpeta, dialogos, &azar)
        , humano(juego, azarHumano)
    {
        if (numeracion == Numeracion::ComoElPrograma)
            juego.setSorteoDePartidas(sorteo);
        juego.setConservada(&conservada);
    }

    // The position as "Guardar" writes it.
    QByteArray guardado() const
    {
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        SavedGameFile::write(b, PartidaGuardada::desdeEstado(juego.estado()));
        return b.data();
    }

    FakeView vista;
    FakeDialogs dialogos;
    MersenneRandom azar;
    MersenneRandom sorteo;
    AjustesJuego ajustes;
    ZelboGame juego;
    KeptGameKeeper conservada;
    RandomHuman humano;
};
