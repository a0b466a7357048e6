// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cachemazo.h"
#include "captura.h"
#include "dialogservice.h"
#include "electorjugada.h"
#include "findemano.h"
#include "gamestate.h"
#include "historiadelapartida.h"
#include "imagen.h"
#include "jugada.h"
#include "nivelcpu.h"
#include "partidaconservada.h"
#include "partidaguardada.h"
#include "pensadorcpu.h"
#include "preferenciasdeljuego.h"
#include "randomsource.h"
#include "tutorjugadas.h"
#include "ubicaciones.h"
#include "zelboview.h"
#include <QCoreApplication>

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class AjustesJuego;

// The game: its state and every procedure that plays it. It reaches the player
// only through the view and the dialog service. The public procedures are the
// entry points of the window's events. A move changes the state at once; what
// follows it is a chain of steps (the CPU's choice, its beats on the board, the
// boxes of a hand's end), each handed to whoever shows or answers it and carried
// on when that one calls back, at once or later. Between a move and the next
// wait for the player the game takes no move (esperaAlJugador).
class ZelboGame
{
    Q_DECLARE_TR_FUNCTIONS(ZelboGame)

public:
    // Whether the game keeps its preferences in lastprop.dat beside the
    // program. The simulator plays with the initial ones and leaves the
    // player's file alone.
    enum class ArchivoDePropiedades { Usar, Ninguno };

    // The data and the player's files both in programDir, as in the build folder. The
    // player's settings keep what lastprop.dat cannot hold; they must outlive the game.
    ZelboGame(const QString &programDir, ZelboView &vista, DialogService &dialogos,
              RandomSource &azar, AjustesJuego &ajustes,
              ArchivoDePropiedades archivo = ArchivoDePropiedades::Usar);
    ZelboGame(Ubicaciones lugares, ZelboView &vista, DialogService &dialogos, RandomSource &azar,
              AjustesJuego &ajustes, ArchivoDePropiedades archivo = ArchivoDePropiedades::Usar);

    // Program start: the records, then the first game.
    void iniciar();

    // Numbered games: the number seeds the dealing generator. With a drawer
    // set, every new game draws its number from it; without one (tests, the
    // simulator) the dealing generator goes on as it was given.
    static constexpr int kMaxPartida = 999999;
    // The turn sign of the last round, in the language the player reads.
    static QString cartelUltimaRonda();
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
    void elegirpartidamnu_Click();

    // Undo and redo: the human's last move with the CPU's reply.
    void deshacer();
    void rehacer();
    bool puedeDeshacer() const { return m_historia.puedeDeshacer(); }
    bool puedeRehacer() const { return m_historia.puedeRehacer(); }
    // Every move of the game in words, newest last.
    const QStringList &historial() const { return m_historia.lineas(); }
    // The moves of the current game, or of the last one until the next begins, for the review.
    const JugadasDeLaPartida &jugadasDeLaPartida() const { return m_historia.jugadas(); }

    // Menu and toolbar.
    void nuevomnu_Click();
    void salirmnu_Click();
    // The toolbar's "run": starts the program named in the preferences.
    void ejecutarAplicacion();
    void Form_Terminate();
    void guardarmnu_Click();
    void abrirmnu_Click();
    void nombremnu_Click();

    // The board.
    void mesaimg_Click(int indice);
    void cartap2img_Click(int indice);
    void montonimg_Click(int indice);
    void Checkp2_Click(int indice);
    void CheckMonton_Click(int indice);
    void LevantarBtn_Click();
    // Enter: plays exactly the move the marks make, the own pile's mark
    // included, with the refusal of the way that move is played otherwise.
    void jugarMarcas();
    void Form_DragDrop(int slot);
    void montonimg_DragDrop(int slot);
    // A hand card dropped on a table card of its palo lifts it, with the table
    // cards of that palo already marked; on another palo nothing happens.
    void mesaimg_DragDrop(int slot, int lugar);
    // Shows a move on the board by its marks, as the hint does.
    void marcarJugada(const Jugada &jugada);

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
    NivelCpu nivelCpu() const { return m_nivel; }
    // Who chooses the CPU's moves from now on, whatever the level; the chooser
    // must outlive the game.
    void setElectorCpu(ElectorJugada &elector) { m_electorFijo = &elector; }
    // Who waits for the CPU's choice, off the window's thread; without one the
    // chooser is asked at once. It must outlive the game.
    void setPensador(PensadorCpu &pensador) { m_pensador = &pensador; }
    // Who looks at each move of the human before the CPU replies; without one the
    // CPU's turn follows at once. It must outlive the game.
    void setTutor(TutorJugadas &tutor) { m_tutor = &tutor; }
    // Whether the game waits for the player's move: no step of a move, a CPU turn
    // or a hand's end is under way. Moves asked for meanwhile are not the game's
    // to take; the window drops them.
    bool esperaAlJugador() const { return m_esperaAlJugador && !m_terminado; }
    // Keeps the game between runs and counts it when it ends; without one (tests, the
    // simulator) nothing is kept or counted. Set before iniciar; it must outlive the game,
    // and it keeps the game's number, undo history and score heading from then on.
    void setConservada(PartidaConservada *conservada);
    PartidaConservada *conservada() const { return m_conservada; }

    const GameState &estado() const { return m_estado; }
    const Preferencias &preferencias() const { return m_preferencias.valores(); }
    const Ubicaciones &ubicaciones() const { return m_lugares; }
    bool terminado() const { return m_terminado; }
    int estadoSalida() const { return m_estadoSalida; }

private:
    // A template rather than a std::function: every click and drop runs through it.
    template<class Procedimiento> void ejecutar(const Procedimiento &procedimiento);
    // A step handed to the view, the dialogs or the thinker, run as an entry point
    // when they call it back.
    template<class Paso> auto despues(Paso paso);
    void fallo(const QString &texto);
    void aviso(const QString &texto);
    // A mistake of the player's move: on the view when it shows such messages itself.
    void avisoDeJugada(const QString &texto);

    // A game: the level asked for, its number, then the first hand.
    void empezarPartida(std::optional<int> numero);
    void usarNivel(NivelCpu nivel);
    void volverAlTurno();
    void NuevoJuego();
    void repartirPartida();
    void prepararPartida();
    bool reanudar();
    void jugadaHumana();
    void abandonar();
    void CargarReversos();
    void Salir();
    void UpdateForm();
    void SiguienteTurno();
    void ContarPuntajes();
    void Repartir();
    void darTurno();
    void esperarAlJugador();
    const QString &cartelHumano();
    void anotarJugadaHumana(const Jugada &jugada);
    void TurnoCpu();
    void pensarCpu();
    void mostrarJugadaCpu(const Jugada &jugada);
    void jugarCpu(const Jugada &jugada);
    void TirarCarta(int slot, CardList &mano);
    void TirarAlMonton(const Imagen &fuente);
    void Levantar();
    bool TieneParaLevantar(int slot);
    void marcar(GrupoMarca grupo, int indice);

    Ubicaciones m_lugares;
    ZelboView &m_vista;
    DialogService &m_dialogos;
    RandomSource &m_azar;
    CacheMazo m_cacheMazo;
    std::function<NivelCpu()> m_fuenteDeNivel;
    NivelCpu m_nivel = NivelCpu::Normal;
    std::unique_ptr<ElectorJugada> m_electorNivel = NivelesCpu::crearElector(NivelCpu::Normal);
    ElectorJugada *m_electorFijo = nullptr;
    PensadorCpu *m_pensador = nullptr;
    TutorJugadas *m_tutor = nullptr;
    // The human's last move and the position before it, for the tutor, until the
    // CPU's turn that replies to it.
    std::optional<std::pair<GameState, Jugada>> m_porRevisar;
    PartidaConservada *m_conservada = nullptr;
    GameState m_estado;
    PreferenciasDelJuego m_preferencias;
    PartidaGuardada m_partidas;
    FinDeMano m_finDeMano;
    QString m_nombreEnCartel;
    // The heading over the human's score, empty while it keeps its own text.
    QString m_nombreEnMarcador;
    QString m_cartelHumano;
    // The texts shown at every turn or hand, translated once: the language is
    // chosen before the game is made.
    const QString m_cartelCpu = tr("Juega CPU");
    const QString m_cartelUltimaRonda = cartelUltimaRonda();
    const QString m_contandoPuntajes = tr("Contando puntajes");
    RandomSource *m_sorteo = nullptr;
    std::optional<int> m_partidaInicial;
    int m_numeroPartida = 0;
    HistoriaDeLaPartida m_historia;
    bool m_terminado = false;
    int m_estadoSalida = 0;
    bool m_esperaAlJugador = false;
    bool m_cierrePedido = false;
};
