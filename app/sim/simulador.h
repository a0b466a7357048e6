#pragma once

#include "mersennerandom.h"

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <optional>

class AutoDialogs;
class HeadlessView;
class RandomHuman;
class ZelboGame;

// One scored hand as the simulator reports it.
struct ResultadoMano
{
    enum class Ganador { Cpu, Humano, Empate };

    int numero = 0; // counted from 1 over one run
    int cpu = 0; // the CPU's pile, after the table was collected
    int humano = 0; // the human's pile, likewise
    int mesa = 0; // cards left on the table because nobody had lifted yet
    Ganador ganador = Ganador::Empate;
};

struct ResumenSimulacion
{
    int partidas = 0;
    int manos = 0;
    int partidasCpu = 0;
    int partidasHumano = 0;
};

// Plays whole games of the real game, the CPU against a random legal human,
// without a window or a person. It plays in a program directory of its own
// holding a copy of the card set, so that no player's preferences are read or
// written. The same seed plays the same games.
class Simulador
{
public:
    using AlTerminarMano = std::function<void(const ResultadoMano &)>;

    // naipe is the card set file to copy; throws SimulacionError when it cannot be.
    Simulador(const QString &naipe, std::uint64_t semilla);

    // Plays the given number of games (answering "play again" with Yes until
    // then), reporting every hand as it is scored. A later call goes on with
    // the same random sources. Throws SimulacionError.
    ResumenSimulacion jugar(int partidas, const AlTerminarMano &alTerminarMano = {});

private:
    struct Escucha;
    static void escuchar(Escucha &escucha);
    static void jugarHastaElFinal(Escucha &escucha, RandomHuman &humano);

    QTemporaryDir m_dir;
    MersenneRandom m_azarJuego;
    MersenneRandom m_azarHumano;
};
