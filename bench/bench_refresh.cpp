// SPDX-License-Identifier: GPL-3.0-or-later

// Board refresh: the real main window at 1920 x 1080 on the offscreen
// platform, a game played by random legal moves, and after each move the time
// of UpdateForm plus what a screen shows of the move: the repaint of what
// changed into the window's backing store (an image), as the window system
// asks for it. Prints the median and the 99th percentile, and beside them the same
// with the whole window painted into an image after each refresh.
//   ./build/bench_refresh [refreshes]

#include "animadortablero.h"
#include "bancotablero.h"
#include "boardwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

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

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int veces = argc > 1 ? std::atoi(argv[1]) : 2000;
    BancoTablero banco;
    if (!banco.abrir("bench_refresh"))
        return 1;
    ZelboFrm &ventana = banco.ventana();
    ZelboGame &juego = ventana.juego();
    RandomHuman &humano = banco.humano();
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
                veces, ventana.width(), ventana.height(), BancoTablero::percentil(ms, 0.5), BancoTablero::percentil(ms, 0.99),
                BancoTablero::percentil(ms, 1.0), pintadas);
    std::printf("whole_window_render median_ms=%.3f p99_ms=%.3f\n", BancoTablero::percentil(entero, 0.5),
                BancoTablero::percentil(entero, 0.99));
    return 0;
}
