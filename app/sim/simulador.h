// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "electorcronometrado.h"
#include "mersennerandom.h"
#include "nivelcpu.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class JuegoSinVentana;
class OyenteDelHumano;
class ZelboGame;
class RandomHuman;
class Verificador;

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
    // Whether a Difícil or Experto player sat at the table, and how long each
    // of its choices took in this run, in milliseconds.
    bool conDificil = false;
    std::vector<double> pensarMs;
};

// Who sits at the table: the CPU's level, and the player in the human's seat,
// random legal moves when no level is given.
struct JugadoresSim
{
    NivelCpu cpu = NivelCpu::Normal;
    std::optional<NivelCpu> humano;
    bool pista = false; // the human's seat plays as the hint plays against the CPU's level
};

// Plays the real game, the CPU against a random legal human (or a level in the
// human's seat), without a window or a person, with the card set in the given
// program directory. The same seed plays the same games.
class Simulador
{
public:
    using AlTerminarMano = std::function<void(const ResultadoMano &)>;

    Simulador(QString programDir, std::uint64_t semilla, const JugadoresSim &jugadores = {});

    // Plays the given number of games (answering "play again" with Yes until
    // then), reporting every hand as it is scored. With a verificador, every
    // move is checked and the first fault throws VerificacionError. A later
    // call goes on with the same random sources. Throws SimulacionError.
    ResumenSimulacion jugar(int partidas, const AlTerminarMano &alTerminarMano = {},
                            Verificador *verificador = nullptr);
    // From now on the human seat's moves, hands and games are told to oyente
    // (which must outlive the runs), or to nobody.
    void setOyente(OyenteDelHumano *oyente) { m_oyente = oyente; }

    // Plays the human's first moves of a new game, each with the CPU's turn
    // after it, hands and games going on as usual, then saves the game with
    // the human to play. Returns the position saved (JuegoSinVentana::posicion).
    // Throws SimulacionError, with the game's own text when the save fails.
    QString guardarTras(int movimientos, const QString &fichero);

    // Loads a saved game into a fresh one and, when guardarEn is not empty,
    // saves it again there. Returns the position loaded. Throws
    // SimulacionError, with the game's own text when the file is refused.
    QString cargar(const QString &fichero, const QString &guardarEn);

private:
    struct Escucha;
    static void escuchar(Escucha &escucha);
    static void jugarHastaElFinal(Escucha &escucha, RandomHuman &humano);
    static std::unique_ptr<ElectorCronometrado> crear(NivelCpu nivel, std::uint64_t semilla);
    // Seats the players of the levels asked for in the session's game.
    void sentar(ZelboGame &juego, RandomHuman &humano);
    void anotarTiempos(ResumenSimulacion &resumen);

    QString m_programDir;
    MersenneRandom m_azarJuego;
    MersenneRandom m_azarHumano;
    // The players of the levels asked for; none for the CPU's Normal and a random human.
    std::unique_ptr<ElectorCronometrado> m_electorCpu;
    std::unique_ptr<ElectorCronometrado> m_electorHumano;
    bool m_dificilCpu = false;
    bool m_dificilHumano = false;
    OyenteDelHumano *m_oyente = nullptr;
};
