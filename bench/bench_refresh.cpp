// SPDX-License-Identifier: GPL-3.0-or-later

// Board refresh: the real main window at 1920 x 1080 on the offscreen
// platform, a game played by random legal moves, and after each move the time
// of UpdateForm plus what a screen shows of the move: the repaint of what
// changed into the window's backing store (an image), as the window system
// asks for it. Prints the median and the 99th percentile, and beside them the same
// with the whole window painted into an image after each refresh.
//   ./build/bench_refresh [refreshes]

#include "animadortablero.h"
#include "autodialogs.h"
#include "boardwidget.h"
#include "mersennerandom.h"
#include "pausa.h"
#include "randomhuman.h"
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

// Counts the paints of the board, to show that the timed repaint did happen.
class ContadorPintadas : public QObject
{
public:
    int pintadas = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++pintadas;
        return false;
    }
};

double percentil(std::vector<double> t, double p)
{
    std::sort(t.begin(), t.end());
    return t[static_cast<std::size_t>(p * static_cast<double>(t.size() - 1))];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int veces = argc > 1 ? std::atoi(argv[1]) : 2000;
    QTemporaryDir dir;
    if (!dir.isValid() || !copiarPrograma(QApplication::applicationDirPath(), dir.path())) {
        std::fprintf(stderr, "bench_refresh: cannot copy the program's files\n");
        return 1;
    }
    AutoDialogs dialogos;
    dialogos.setAlPreguntar([](const QString &) { return true; });
    MersenneRandom azar(7);
    MersenneRandom azarHumano(8);
    SinPausa pausa;
    ZelboFrm ventana(dir.path(), dialogos, azar, pausa);
    if (!ventana.Form_Load())
        return 1;
    // Flights have a benchmark of their own; here every card lands at once.
    ventana.animador().setDuracion(0);
    ventana.showNormal();
    ventana.setGeometry(0, 0, 1920, 1080);
    QApplication::processEvents();
    ZelboGame &juego = ventana.juego();
    RandomHuman humano(juego, azarHumano);
    QImage imagen(ventana.size(), QImage::Format_ARGB32_Premultiplied);
    ContadorPintadas contador;
    ventana.tablero().installEventFilter(&contador);
    int pintadas = 0; // of the board, in the timed repaints
    std::vector<double> ms;
    std::vector<double> entero;
    ms.reserve(static_cast<std::size_t>(veces));
    entero.reserve(static_cast<std::size_t>(veces));
    for (int i = 0; i < veces + 50; ++i) {
        const GameState &e = juego.estado();
        // A new game before a hand would be scored keeps the results window away.
        if (e.cartasRepartidas == 40 && e.player2.count() <= 1)
            juego.nuevomnu_Click();
        else
            humano.jugar();
        // The move refreshed the board already; the timed part is one more
        // refresh and the repaint of all that the move changed.
        QElapsedTimer reloj;
        const int antes = contador.pintadas;
        reloj.start();
        ventana.UpdateForm();
        QApplication::processEvents();
        const double t = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
        pintadas += contador.pintadas - antes;
        reloj.restart();
        ventana.UpdateForm();
        ventana.render(&imagen);
        const double todo = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
        if (i >= 50) { // the first ones settle the window
            ms.push_back(t);
            entero.push_back(todo);
        }
    }
    std::printf("refreshes=%d size=%dx%d median_ms=%.3f p99_ms=%.3f max_ms=%.3f"
                " board_paints=%d\n",
                veces, ventana.width(), ventana.height(), percentil(ms, 0.5), percentil(ms, 0.99),
                percentil(ms, 1.0), pintadas);
    std::printf("whole_window_render median_ms=%.3f p99_ms=%.3f\n", percentil(entero, 0.5),
                percentil(entero, 0.99));
    return 0;
}
