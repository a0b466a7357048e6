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
#include "bancotablero.h"
#include "vuelodecartas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDuracion = 250;
constexpr int kFotograma = 16;

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
    const QPoint origen = ventana.centralWidget()->mapTo(&ventana, QPoint(0, 0));
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
    BancoTablero banco;
    if (!banco.abrir("bench_animacion"))
        return 1;
    ZelboFrm &ventana = banco.ventana();
    ZelboGame &juego = ventana.juego();
    RandomHuman &humano = banco.humano();
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
            juego.ordenar(OrdenDelJuego::Nuevo);
        else
            humano.jugar();
        fotogramas(ventana, imagen, ms);
    }
    std::printf("moves=%d frames=%zu size=%dx%d\n", jugadas, ms.zona.size(), ventana.width(),
                ventana.height());
    for (const auto &[nombre, t] :
         { std::pair { "flights_region", &ms.zona }, std::pair { "whole_window", &ms.ventana } })
        std::printf("%s median_ms=%.3f p99_ms=%.3f max_ms=%.3f\n", nombre,
                    BancoTablero::percentil(*t, 0.5), BancoTablero::percentil(*t, 0.99),
                    BancoTablero::percentil(*t, 1.0));
    return 0;
}
