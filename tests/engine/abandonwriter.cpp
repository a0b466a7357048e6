// SPDX-License-Identifier: GPL-3.0-or-later

// Test helper: plays with the card set of the folder argv[1], keeping the game in the
// folder argv[2], seeded by argv[3]: a few human moves, then another game (Abrir of a saved
// game and "Elegir partida" in turn), again and again until it is killed. It prints
// "move <game>" after each human move, "abandon <game>" as it leaves a game and "abandoned"
// once the next game waits for the human; <game> is the identity the statistics count.
#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "keptgamekeeper.h"
#include "mersennerandom.h"
#include "randomhuman.h"
#include "zelbogame.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

namespace {

void decir(const char *que, const QString &partida = {})
{
    std::printf("%s %s\n", que, qPrintable(partida));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString carpeta = QString::fromLocal8Bit(argv[2]);
    const std::uint64_t semilla = QByteArray(argv[3]).toULongLong();
    FakeView vista;
    // The CPU's beats take their time, as on the board: a kill lands among them.
    vista.setAlResaltar([] { QThread::msleep(2); });
    FakeDialogs dialogos;
    MersenneRandom azar(semilla);
    MersenneRandom azarHumano(~semilla);
    AjustesJuego ajustes;
    ZelboGame juego(QString::fromLocal8Bit(argv[1]), vista, dialogos, azar, ajustes,
                    ZelboGame::ArchivoDePropiedades::Ninguno);
    KeptGameKeeper conservada(carpeta, dialogos, &azar);
    juego.setConservada(&conservada);
    RandomHuman humano(juego, azarHumano);
    juego.setPartidaInicial(1);
    juego.iniciar();
    const QString otra = carpeta + QStringLiteral("/otra.dat");
    if (!juego.GuardarJuego(otra))
        return 1;
    for (int n = 2;; ++n) {
        for (int i = 0; i <= n % 3 && humano.puedeJugar(); ++i) {
            humano.jugar();
            decir("move", conservada.actual()->id());
        }
        decir("abandon", conservada.actual()->id());
        if (n % 2 == 0) {
            dialogos.responderArchivo(otra);
            juego.ordenar(OrdenDelJuego::Abrir);
        } else {
            juego.elegirPartida(n);
        }
        decir("abandoned");
    }
}
