// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generadormt64.h"
#include "lado.h"

#include <array>
#include <cstdint>
#include <functional>

// The rules of a hand and a game written as plainly as they go, for the
// benchmark to hold the simulator against: the same deal, draws, CPU rule,
// random human, collection of the table and scoring as zelbo-sim, with none of
// the game's structure (no view, dialogs, marks or card set). For a seed it
// plays exactly the hands zelbo-sim plays, which the benchmark checks.
class BucleMinimo
{
public:
    struct Mano
    {
        int cpu = 0;
        int humano = 0;
        int mesa = 0;
        int ganador = 0; // 1 the CPU, 2 the human, 0 a tie
    };
    using AlTerminarMano = std::function<void(const Mano &)>;

    explicit BucleMinimo(std::uint64_t semilla);

    // Plays the given number of games; returns the number of hands.
    long jugar(int partidas, const AlTerminarMano &alTerminarMano = {});

private:
    struct Lista
    {
        std::array<std::uint8_t, 40> c {};
        int n = 0;
        void poner(int i, std::uint8_t x);
        void quitar(int i);
    };

    // The draws come from the game's own block generator, the fastest source
    // of these numbers at hand: the loop is held to the best it could do.
    static double rnd(GeneradorMt64 &g);
    int elegirHumano(int n);
    void repartir();
    bool mismo(std::uint8_t a, std::uint8_t b) const { return (a - 1) / 10 == (b - 1) / 10; }
    void turnoCpu();
    void turnoHumano();
    void levantar(Lista &mano, int slot, Lista &propia, Lista &rival, bool monton,
                  std::uint32_t lugares, Lado quien);
    // Scores the hand; true when a game ended.
    bool contar(Mano &mano);

    GeneradorMt64 m_juego;
    GeneradorMt64 m_humano;
    std::array<bool, 41> m_repartida {};
    int m_repartidas = 0;
    bool m_primero = true;
    Lista m_mesa, m_cpu, m_hum, m_pilaCpu, m_pilaHum;
    Lado m_turno = Lado::Nadie;
    Lado m_ultimo = Lado::Nadie;
    int m_puntosCpu = 0;
    int m_puntosHum = 0;
};
