// SPDX-License-Identifier: GPL-3.0-or-later

// Board refresh: the real main window at 1920 x 1080 on the offscreen
// platform, a game played by random legal moves, the window repainted where
// the game repaints it: at each of the CPU's beats (its pause runs the event
// loop, as in play) and at the end of each move. A refresh is timed at each of
// those points: the repaint of all that changed since the last one into the
// window's backing store (an image), and at the end of a move UpdateForm too.
// Prints the median, the 99th percentile and the maximum; then the same for
// UpdateForm with the whole window painted into an image after each move; and
// last, for comparison, the repaint of a whole round (the human's move and the
// CPU's reply) when no beat paints, as before the beats painted.
//   ./build/bench_refresh [moves]

#include "bancotablero.h"
#include "pausa.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

using Tiempos = std::vector<double>;

double milisegundos(const QElapsedTimer &reloj)
{
    return static_cast<double>(reloj.nsecsElapsed()) / 1e6;
}

// A beat's pause that only paints, and times the paint.
class PausaQuePinta : public Pausa
{
public:
    Tiempos *tiempos = nullptr; // none while the window settles

    void esperar(int, std::function<void()> luego) override
    {
        QElapsedTimer reloj;
        reloj.start();
        QApplication::processEvents();
        if (tiempos)
            tiempos->push_back(milisegundos(reloj));
        luego();
    }
};

// A move of the human (and the CPU's reply); a new game before a hand would
// be scored keeps the results window away.
void jugar(BancoTablero &banco)
{
    ZelboGame &juego = banco.ventana().juego();
    const GameState &e = juego.estado();
    if (e.cartasRepartidas == 40 && e.player2.count() <= 1)
        juego.ordenar(OrdenDelJuego::Nuevo);
    else
        banco.humano().jugar();
}

void imprimir(const char *nombre, const Tiempos &t)
{
    std::printf("%s refreshes=%zu median_ms=%.3f p99_ms=%.3f max_ms=%.3f\n", nombre, t.size(),
                BancoTablero::percentil(t, 0.5), BancoTablero::percentil(t, 0.99),
                BancoTablero::percentil(t, 1.0));
}

// Both timed parts after a move: UpdateForm with the repaint of what is left
// to paint, then UpdateForm with the whole window painted into an image.
void medirTrasJugada(ZelboFrm &ventana, QImage &imagen, Tiempos *repintar, Tiempos *entera)
{
    QElapsedTimer reloj;
    reloj.start();
    ventana.UpdateForm();
    QApplication::processEvents();
    if (repintar)
        repintar->push_back(milisegundos(reloj));
    reloj.restart();
    ventana.UpdateForm();
    ventana.render(&imagen);
    if (entera)
        entera->push_back(milisegundos(reloj));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int jugadas = argc > 1 ? std::atoi(argv[1]) : 2000;
    constexpr int kAsentar = 50; // moves that settle the window and fill the picture cache
    Tiempos repintar;
    Tiempos entera;
    Tiempos ronda;
    QSize tamano;
    {
        PausaQuePinta pausa;
        BancoTablero banco;
        if (!banco.abrir("bench_refresh", &pausa))
            return 1;
        tamano = banco.ventana().size();
        QImage imagen(tamano, QImage::Format_ARGB32_Premultiplied);
        for (int i = 0; i < kAsentar + jugadas; ++i) {
            const bool medida = i >= kAsentar;
            pausa.tiempos = medida ? &repintar : nullptr;
            jugar(banco);
            medirTrasJugada(banco.ventana(), imagen, medida ? &repintar : nullptr,
                            medida ? &entera : nullptr);
        }
    }
    {
        BancoTablero banco; // its beats do not paint
        if (!banco.abrir("bench_refresh"))
            return 1;
        QImage imagen(banco.ventana().size(), QImage::Format_ARGB32_Premultiplied);
        for (int i = 0; i < kAsentar + jugadas; ++i) {
            jugar(banco);
            medirTrasJugada(banco.ventana(), imagen, i >= kAsentar ? &ronda : nullptr, nullptr);
        }
    }
    std::printf("size=%dx%d moves=%d\n", tamano.width(), tamano.height(), jugadas);
    imprimir("at_each_repaint", repintar);
    imprimir("whole_window_render", entera);
    imprimir("whole_round_unpainted_beats", ronda);
    return 0;
}
