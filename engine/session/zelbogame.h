// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cachemazo.h"
#include "dialogservice.h"
#include "elector.h"
#include "gamestate.h"
#include "guardiadeljuego.h"
#include "historiadelapartida.h"
#include "imagen.h"
#include "intento.h"
#include "jugada.h"
#include "keptgamekeeper.h"
#include "nivelcpu.h"
#include "ordendeljuego.h"
#include "partidaguardada.h"
#include "preferenciasdeljuego.h"
#include "preguntasdeljuego.h"
#include "randomsource.h"
#include "seleccion.h"
#include "turnosdeljuego.h"
#include "tutorjugadas.h"
#include "ubicaciones.h"
#include "zelboview.h"
#include <QCoreApplication>

#include <QString>
#include <functional>
#include <optional>

class AjustesJuego;

// The game: its state, the session around its turns (the start, numbered games, the kept
// game, the player's commands, the preferences and saved games) and the turns themselves
// (TurnosDelJuego). It reaches the player only through the view and the dialog service,
// and the window reaches it through a few typed calls: a click or a mark box on the board,
// a move asked for, a command. Only while the turns' phase waits for the player does the
// game take a move.
class ZelboGame
{
    Q_DECLARE_TR_FUNCTIONS(ZelboGame)

public:
    // Whether the game keeps its preferences in lastprop.dat beside the
    // program. The simulator plays with the initial ones and leaves the
    // player's file alone.
    enum class ArchivoDePropiedades { Usar, Ninguno };

    using Fase = TurnosDelJuego::Fase;

    // The data and the player's files both in programDir, as in the build folder. The
    // player's settings keep what lastprop.dat cannot hold; they must outlive the game.
    ZelboGame(const QString &programDir, ZelboView &vista, DialogService &dialogos,
              RandomSource &azar, AjustesJuego &ajustes,
              ArchivoDePropiedades archivo = ArchivoDePropiedades::Usar);
    ZelboGame(Ubicaciones lugares, ZelboView &vista, DialogService &dialogos, RandomSource &azar,
              AjustesJuego &ajustes, ArchivoDePropiedades archivo = ArchivoDePropiedades::Usar);

    // Program start: the records, then the first game.
    void iniciar();

    // The player's input. A click on a card that takes clicks (a table card, a hand card,
    // the CPU's pile) marks it with the checks of play, or tells why not; mano says how
    // the hand's cards take marks on the table shown.
    void pulsar(const Imagen &carta,
                Seleccion::MarcasDeMano mano = Seleccion::MarcasDeMano::Varias);
    // The mark box of a hand card, or of the own pile, turned over as it is.
    void alternarMarca(const Imagen &lugar);
    // A move asked for by a drop, a button or a key; a mistake is told.
    void intentar(const Intento &intento);
    // A command of the menus or the toolbar. A close asked for during a move waits for
    // it: it is carried out once the player is to play again.
    void ordenar(OrdenDelJuego orden);
    // Shows a move on the board by its marks, as the hint does.
    void marcarJugada(const Jugada &jugada);

    Fase fase() const { return m_turnos.fase(); }
    // Whether the game waits for the player's move: no step of a move, a CPU turn
    // or a hand's end is under way. Moves asked for meanwhile are not the game's
    // to take; the window drops them.
    bool esperaAlJugador() const { return !terminado() && fase() == Fase::EsperaAlJugador; }
    // The player is waited for at a hand's or a game's end, by its boxes or panels; the
    // windows that only show (the help, the statistics) may open over them.
    bool esperaEnElFinal() const
    {
        return !terminado() && (fase() == Fase::FinDeMano || fase() == Fase::FinDePartida);
    }
    // The program has ended; nothing of the game runs any more.
    bool terminado() const { return m_guardia.terminado(); }
    // The side whose turn it is, once the turn is given.
    Lado juega() const { return m_turnos.juega(); }
    bool ultimaRonda() const { return m_turnos.ultimaRonda(); }

    // Numbered games: the number seeds the dealing generator. With a drawer
    // set, every new game draws its number from it; without one (tests, the
    // simulator) the dealing generator goes on as it was given.
    static constexpr int kMaxPartida = 999999;
    void setSorteoDePartidas(RandomSource &sorteo) { m_sorteo = &sorteo; }
    // Whether the game keeps its history: a snapshot of each human turn for
    // Deshacer and a sentence for each move. A game nobody follows or takes
    // back (the simulator's) skips their cost.
    void setConHistorial(bool conHistorial) { m_historia.setActiva(conHistorial); }
    // The game the program starts with, instead of a drawn one.
    void setPartidaInicial(int numero) { m_partidaInicial = numero; }
    // 0 while no game was numbered.
    int numeroPartida() const { return m_numeroPartida; }
    // Starts game numero at 0-0.
    void elegirPartida(int numero);

    bool puedeDeshacer() const { return m_historia.puedeDeshacer(); }
    bool puedeRehacer() const { return m_historia.puedeRehacer(); }
    // Every move of the game in words, newest last.
    const QStringList &historial() const { return m_historia.lineas(); }
    // The moves of the current game, or of the last one until the next begins, for the review.
    const JugadasDeLaPartida &jugadasDeLaPartida() const { return m_historia.jugadas(); }

    // Preferences. LoadProperty reports a damaged file itself and returns
    // whether the whole file was read; SaveProperty likewise for a failed save.
    bool LoadProperty(const QString &fichero) { return m_preferencias.LoadProperty(fichero); }
    bool SaveProperty() { return m_preferencias.SaveProperty(); }
    void aceptarPreferencias(const Preferencias &nuevas) { m_preferencias.aceptar(nuevas); }
    // Puts back names and preferences taken earlier (a preferences window that
    // was cancelled after "Default"); the colour is shown at once, nothing is saved.
    void restaurarPreferencias(const QString &nombreCpu, const QString &nombreHumano,
                               const Preferencias &p)
    {
        m_preferencias.restaurar(nombreCpu, nombreHumano, p);
    }

    // Saved games; each reports its own failure to the player.
    bool GuardarJuego(const QString &fichero);
    bool CargarJuego(const QString &fichero);
    // Why the last CargarJuego failed, for a maintainer.
    const QString &motivoDeCarga() const { return m_partidas.motivoDelFallo(); }

    // Where the CPU's level of each game comes from (the player's setting in
    // the program); Normal until this is given. It is asked at the start of
    // the program and of every game after "¿Jugar de nuevo?", never at
    // "Nuevo", which deals a new hand of the same game.
    void setFuenteDeNivel(std::function<NivelCpu()> fuente) { m_fuenteDeNivel = std::move(fuente); }
    // The level of the game being played.
    NivelCpu nivelCpu() const { return m_turnos.cpu().nivel(); }
    // Who chooses the CPU's moves from now on, whatever the level; the chooser
    // must outlive the game.
    void setElectorCpu(Elector &elector) { m_turnos.cpu().setElector(elector); }
    // Who waits for the CPU's choice, off the window's thread; without one the
    // chooser is asked at once. It must outlive the game.
    void setElectorEnEspera(ElectorEnEspera &enEspera)
    {
        m_turnos.cpu().setElectorEnEspera(enEspera);
    }
    // Who looks at each move of the human before the CPU replies; without one the
    // CPU's turn follows at once. It must outlive the game.
    void setTutor(TutorJugadas &tutor) { m_turnos.setTutor(tutor); }
    // Keeps the game between runs and counts it when it ends; without one (tests, the
    // simulator) nothing is kept or counted. Set before iniciar; it must outlive the game,
    // and it keeps the game's number, undo history and score heading from then on.
    void setConservada(KeptGameKeeper *conservada);
    KeptGameKeeper *conservada() const { return m_conservada; }

    const GameState &estado() const { return m_estado; }
    const Preferencias &preferencias() const { return m_preferencias.valores(); }
    const Ubicaciones &ubicaciones() const { return m_lugares; }
    int estadoSalida() const { return m_guardia.estadoSalida(); }

private:
    void aviso(const QString &texto);
    // A mistake of the player's move: on the view when it shows such messages itself.
    void avisoDeJugada(const QString &texto);

    // A game: the level asked for, its number, then the first hand.
    void empezarPartida(std::optional<int> numero);
    // Deshacer or Rehacer.
    void volverAlTurno(OrdenDelJuego orden);
    void NuevoJuego();
    void repartirPartida();
    void prepararPartida();
    bool reanudar();
    void abandonar();
    void CargarReversos();
    void Salir();
    // The commands of the menu that change the game.
    void nuevaMano();
    void cerrar();
    void abrir();
    void cambiarNombre();
    // A close asked for during a move, carried out now that the player is to play.
    bool cerrarAplazado();

    Ubicaciones m_lugares;
    ZelboView &m_vista;
    DialogService &m_dialogos;
    RandomSource &m_azar;
    CacheMazo m_cacheMazo;
    std::function<NivelCpu()> m_fuenteDeNivel;
    KeptGameKeeper *m_conservada = nullptr;
    GameState m_estado;
    PreferenciasDelJuego m_preferencias;
    PartidaGuardada m_partidas;
    GuardiaDelJuego m_guardia;
    HistoriaDeLaPartida m_historia;
    TurnosDelJuego m_turnos;
    PreguntasDelJuego m_preguntas;
    // The heading over the human's score, empty while it keeps its own text.
    QString m_nombreEnMarcador;
    RandomSource *m_sorteo = nullptr;
    std::optional<int> m_partidaInicial;
    int m_numeroPartida = 0;
    bool m_cierreAplazado = false;
};
