// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogservice.h"
#include "gamestate.h"
#include "keptgame.h"
#include "keptgamestats.h"
#include "keptgamestore.h"
#include "resultadodemano.h"
#include "statistics.h"
#include "statisticsfile.h"
#include <QCoreApplication>

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class MersenneRandom;

// The game in progress as it outlives the program, and the statistics it ends in. The game
// tells it of its few moments (a human turn begins, a human move, a hand or a game ends, a
// game is abandoned, the program ends); it keeps the position then, and counts the game
// once when it ends. Both files live in the folder handed in.
class KeptGameKeeper
{
    Q_DECLARE_TR_FUNCTIONS(KeptGameKeeper)

public:
    // generador: the dealing generator whose state travels with the kept game, so a resumed
    // game deals what it would have dealt; nothing for a source that cannot be restored.
    KeptGameKeeper(const QString &carpeta, DialogService &dialogos, MersenneRandom *generador,
                   QString nivelCpu = Statistics::kNormal);

    // The game number and the undo history kept with the game; 0 and nothing until set.
    void setNumeroPartida(std::function<qint64()> fuente) { m_numeroPartida = std::move(fuente); }
    void setDeshacer(std::function<QByteArray()> fuente) { m_deshacer = std::move(fuente); }
    // What the heading over the human's score shows, empty while it keeps its own text;
    // empty until set.
    void setNombreEnMarcador(std::function<QString()> fuente)
    {
        m_nombreEnMarcador = std::move(fuente);
    }
    // The CPU's level of the game in progress ("normal" or "dificil"); the one given at
    // construction until set.
    void setNivel(std::function<QString()> fuente) { m_nivel = std::move(fuente); }
    // Where the player is told, without stopping the game, that the statistics or the game
    // in progress could not be written: once a run for each of the two; nothing until set.
    void setAvisoDeArchivo(std::function<void(const QString &)> aviso)
    {
        m_avisoDeArchivo = std::move(aviso);
    }

    // Program start: reads the statistics (a damaged file is told once), then offers the
    // kept game. Returns the game to resume when the player says Sí; otherwise a new game
    // follows, the kept one counted as abandoned. A kept game that was abandoned, counted
    // already or never moved in is not offered.
    std::optional<KeptGame> alIniciar(bool preguntar = true);
    // Puts back in `estado` (already loaded with the deck and preferences) the game that
    // alIniciar returned, the turn waiting for the human. False when it cannot be played.
    bool reanudar(GameState &estado, const KeptGame &guardada);

    // Keeps the position, once the human has moved in the game.
    void turnoHumano(const GameState &estado);
    void jugadaHumana(const GameState &estado);
    // After the table was collected and the hand scored, before any result window.
    void manoTerminada(const GameState &estado);
    // Someone reached the points of a game: it is counted before the player is asked.
    void partidaTerminada(const GameState &estado);
    // The player plays no more: nothing is left to resume.
    void partidaCerrada();
    // "Nuevo" leaves the hand in play for a new one: abandoned, once the human moved in it.
    void manoAbandonada(const GameState &estado);
    // Abrir, or another game chosen: the one in progress counts as abandoned, and is not
    // kept any more.
    void abandonar();
    // Salir and closing the window: kept to be resumed, not counted.
    void alSalir(const GameState &estado);

    Statistics &estadisticas() { return m_estadisticas; }
    const StatisticsFile &archivoEstadisticas() const { return m_archivo; }
    const KeptGameStore &almacen() const { return m_almacen; }
    const std::optional<KeptGameStats> &actual() const { return m_actual; }

private:
    KeptGameStats &enCurso(const GameState &estado);
    void conservar(const GameState &estado);
    void contar(GameResult resultado);
    void aviso(const QString &texto);
    void guardarConservada(const KeptGame &guardada);
    void quitarConservada();
    void avisarUnaVez(bool &avisado, const QString &texto);

    StatisticsFile m_archivo;
    KeptGameStore m_almacen;
    DialogService &m_dialogos;
    MersenneRandom *m_generador;
    QString m_nivelCpu;
    std::function<QString()> m_nivel;
    Statistics m_estadisticas;
    std::optional<KeptGameStats> m_actual;
    // What the files hold now, to be marked abandoned.
    std::optional<KeptGame> m_guardada;
    std::function<qint64()> m_numeroPartida;
    std::function<QByteArray()> m_deshacer;
    std::function<QString()> m_nombreEnMarcador;
    std::function<void(const QString &)> m_avisoDeArchivo;
    bool m_estadisticasAvisadas = false;
    bool m_conservadaAvisada = false;
};
