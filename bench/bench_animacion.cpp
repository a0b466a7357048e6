// SPDX-License-Identifier: GPL-3.0-or-later

// Cards in flight: the real main window at 1920 x 1080 on the offscreen
// platform, a game played by random legal moves with flights of 250 ms. After
// each move (with the CPU's reply, and the deal when one follows) its flights
// are shown frame by frame, 60 frames a second, and each frame is timed twice:
// moving the flights to their time and painting into an image what the screen
// paints again (the strips the cards leave and cover), then the whole window.
// Prints the number of frames and, for each, the median, the 99th percentile
// and the maximum.
//   ./build/bench_animacion [moves]

#include "animadortablero.h"
#include "autodialogs.h"
#include "boardwidget.h"
#include "mersennerandom.h"
#include "pausa.h"
#include "randomhuman.h"
#include "vuelodecartas.h"
#include "zelbofrm.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDuracion = 250;
constexpr int kFotograma = 16;

class SinPausa : public Pausa
{
public:
    void esperar(int) override { }
};

// The files a game reads, copied from beside the program, so the player's
// lastprop.dat there is never touched.
bool copiarPrograma(const QString &origen, const QString &destino)
{
    QDirIterator it(origen,
                    { QStringLiteral("*.jpg"), QStringLiteral("*.db"), QStringLiteral("*.dat"),
                      QStringLiteral("*.png") },
                    QDir::Files, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString fichero = it.next();
        const QString relativo = QDir(origen).relativeFilePath(fichero);
        if (relativo.startsWith(QLatin1String(".."))
            || relativo.contains(QLatin1String("CMakeFiles")))
            continue;
        QDir(destino).mkpath(QFileInfo(relativo).path());
        ok = QFile::copy(fichero, destino + QLatin1Char('/') + relativo) && ok;
    }
    return ok;
}

double percentil(std::vector<double> t, double p)
{
    std::sort(t.begin(), t.end());
    return t[static_cast<std::size_t>(p * static_cast<double>(t.size() - 1))];
}

struct Tiempos
{
    std::vector<double> ventana; // the whole window painted again
    std::vector<double> zona; // only what the flights left and covered, as the screen does
};

double desde(const QElapsedTimer &reloj)
{
    return static_cast<double>(reloj.nsecsElapsed()) / 1e6;
}

// Every frame of the flights under way, timed twice.
void fotogramas(ZelboFrm &ventana, QImage &imagen, Tiempos &ms)
{
    AnimadorTablero &animador = ventana.animador();
    const QPoint origen = ventana.tablero().mapTo(&ventana, QPoint(0, 0));
    for (int t = 0; animador.enCurso() && t < kDuracion; t += kFotograma) {
        QElapsedTimer reloj;
        reloj.start();
        const QRegion antes = animador.vuelos().zona();
        animador.irA(t);
        const QRegion zona = (antes + animador.vuelos().zona()).translated(origen);
        ventana.render(&imagen, zona.boundingRect().topLeft(), zona);
        ms.zona.push_back(desde(reloj));
        reloj.restart();
        animador.irA(t);
        ventana.render(&imagen);
        ms.ventana.push_back(desde(reloj));
    }
    animador.terminar();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int jugadas = argc > 1 ? std::atoi(argv[1]) : 60;
    QTemporaryDir dir;
    if (!dir.isValid() || !copiarPrograma(QApplication::applicationDirPath(), dir.path())) {
        std::fprintf(stderr, "bench_animacion: cannot copy the program's files\n");
        return 1;
    }
    AutoDialogs dialogos;
    dialogos.setAlPreguntar([](const QString &) { return true; });
    MersenneRandom azar(7);
    MersenneRandom azarHumano(8);
    SinPausa pausa;
    ZelboFrm ventana(dir.path(), dialogos, azar, pausa);
    ventana.animador().setDuracion(0);
    if (!ventana.Form_Load())
        return 1;
    ventana.showNormal();
    ventana.setGeometry(0, 0, 1920, 1080);
    QApplication::processEvents();
    ZelboGame &juego = ventana.juego();
    RandomHuman humano(juego, azarHumano);
    QImage imagen(ventana.size(), QImage::Format_ARGB32_Premultiplied);
    // The first moves fill the picture cache at this size.
    for (int i = 0; i < 10; ++i)
        humano.jugar();
    ventana.animador().setDuracion(kDuracion);
    Tiempos ms;
    for (int i = 0; i < jugadas; ++i) {
        const GameState &e = juego.estado();
        // A new game before a hand would be scored keeps the results window away.
        if (e.cartasRepartidas == 40 && e.player2.count() <= 1)
            juego.nuevomnu_Click();
        else
            humano.jugar();
        fotogramas(ventana, imagen, ms);
    }
    std::printf("moves=%d frames=%zu size=%dx%d\n", jugadas, ms.zona.size(), ventana.width(),
                ventana.height());
    for (const auto &[nombre, t] :
         { std::pair { "flights_region", &ms.zona }, std::pair { "whole_window", &ms.ventana } })
        std::printf("%s median_ms=%.3f p99_ms=%.3f max_ms=%.3f\n", nombre, percentil(*t, 0.5),
                    percentil(*t, 0.99), percentil(*t, 1.0));
    return 0;
}
