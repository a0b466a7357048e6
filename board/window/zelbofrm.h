// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "comprobacionanticipada.h"
#include "dialogosconaviso.h"
#include "menusventana.h"
#include "picturecache.h"
#include "zelbogame.h"
#include "zelboview.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class AjustesJuego;
class AnimadorTablero;
class Anunciador;
class AyudasTablero;
class CarasDelMazo;
class CompasesCpu;
class DialogService;
class EntradaDeMesa;
class FinDeManoEnVentana;
class ModoDeVentana;
class InterfazMesa;
class MandoDemostracion;
class NombresAccesibles;
class NotaDeArchivos;
class PrimeraVista;
class Pausa;
class ElectorEnHilo;
class RandomSource;
class SeguimientoPartida;
class SonidosDelJuego;
class TecladoTablero;
class VentanasDelJuego;

// The main window: the board, its menus and toolbar. It shows the game and
// hands the player's clicks, drags and commands to it. While the game is busy
// with a move (the CPU's turn with its pauses above all) the window takes no
// input, and paints and answers all the same; a request to close the window
// waits until the move is complete.
class ZelboFrm : public QMainWindow, public ZelboView
{
    Q_OBJECT

public:
    // The data and the player's files both in programDir, as in the build folder. The
    // window and the game read and change the player's settings in ajustes, which must
    // outlive the window.
    ZelboFrm(const QString &programDir, DialogService &dialogos, RandomSource &azar, Pausa &pausa,
             AjustesJuego &ajustes);
    ZelboFrm(const Ubicaciones &lugares, DialogService &dialogos, RandomSource &azar, Pausa &pausa,
             AjustesJuego &ajustes);
    ~ZelboFrm() override;

    // Loads the board picture and starts the first game. False when the
    // program has already ended (a start-up failure shown to the player).
    bool Form_Load();
    // The program begins reading the felt before the window is made, and hands the reading
    // over here; without it Form_Load reads the felt itself.
    static std::unique_ptr<ComprobacionAnticipada> comprobarFondo(const Ubicaciones &lugares);
    void setFondoComprobado(std::unique_ptr<ComprobacionAnticipada> fondo);
    // The CPU thinks on a thread of its own from now on; without this it is
    // asked at once (tests).
    void elegirEnHilo();
    bool terminado() const { return m_falloAlCargar || m_juego.terminado(); }
    int estadoSalida() const { return m_falloAlCargar ? 1 : m_juego.estadoSalida(); }
    ZelboGame &juego() { return m_juego; }
    // The table, in whichever layout it shows.
    InterfazMesa &mesa() { return *m_mesa; }
    // Keyboard play and the hint, which follows the CPU's level in force.
    TecladoTablero &teclado() { return *m_teclado; }
    AnimadorTablero &animador() { return *m_animador; }
    SeguimientoPartida &seguimiento() { return *m_seguimiento; }
    CompasesCpu &compases() { return *m_compases; }
    // "Demostración" of the Juego menu.
    MandoDemostracion &demostracion() { return *m_demostracion; }
    // The chance bar and the tutor.
    AyudasTablero &ayudas() { return *m_ayudas; }
    // Where the player hears of a file of theirs that could not be written.
    NotaDeArchivos &notaDeArchivos() { return *m_notaDeArchivos; }
    SonidosDelJuego &sonidos() { return *m_sonidos; }
    // Another start of the program asked for this window: it comes to the front, and the
    // dialog open in it if there is one (desktops may only flash it).
    void traerAlFrente();
    // Another start asked for game numero: played as "Elegir partida…" plays it, once the
    // move in progress and any open dialog are done.
    void pedirPartida(int numero);

    // The board's and the menus' events, each handed to the game as a mark, a move or a
    // command while the game waits for the player.
    void mesaimg_Click(int indice);
    void cartap2img_Click(int indice);
    void montonimg_Click(int indice);
    void Checkp2_Click(int indice);
    void CheckMonton_Click(int indice);
    void LevantarBtn_Click();
    void Form_DragDrop(int slot);
    void montonimg_DragDrop(int slot);
    // A hand card dropped on a table card of its palo lifts it, with the table
    // cards of that palo already marked; on another palo nothing happens.
    void mesaimg_DragDrop(int slot, int lugar);
    void nuevomnu_Click();
    void abrirmnu_Click();
    void guardarmnu_Click();
    void nombremnu_Click();
    void salirmnu_Click();
    void deshacermnu_Click();
    void rehacermnu_Click();
    void elegirpartidamnu_Click();
    // The toolbar's buttons by their keys: "nuevo", "run", "salir".
    void Toolbar1_ButtonClick(const QString &clave);
    // The window is closed: during a move the game carries the close out once it is done.
    void Form_Terminate();

    void UpdateForm() override;
    bool cargarReverso(const QString &ruta) override;
    void aplicarColorFondo(qint32 color) override;
    void mostrarVentana() override;
    void setCartel(const Cartel &cartel) override;
    void mostrarResultadoMano(const ResultadoDeMano &resultado) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    void mostrarTurnoCpu(const Jugada &jugada, const GameState &antes,
                         std::function<void()> listo) override;
    void mostrarJugadaHumano(const Jugada &jugada, const GameState &antes) override;
    void jugadaDeshecha(const QString &frase) override;
    void jugadaRehecha(const QString &frase) override;
    void repartido(bool primero) override;
    void prepararResultados() override;
    void Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                 std::function<void()> alCerrar) override;
    bool finDeManoEnTablero() const override;
    void resumenDeMano(const ResumenDeMano &resumen, std::function<void()> alCerrar) override;
    void resultadosEnTablero(const QString &nombre, int num1, int num2,
                             ResultadoDeMano::Ganador ganador,
                             std::function<void(bool otraPartida)> alResponder) override;
    void turnoDelJugador() override;
    void jugadaVigente(const QString &frase) override;
    bool avisoDeJugada(const QString &texto) override;
    bool iniciarPrograma(const QString &lineaDeOrdenes) override;
    void Salir(int estado) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void crearMenus();
    // Shows the table's layout of the settings; the game goes on as it was.
    static QString rutaFondo(const QString &programDir);
    void aplicarMesa();
    // The faces' style and the game's own back as the settings choose them.
    void aplicarAspecto();
    void mostrarTodo();
    void volverDeDemostracion();
    // The modern table's "Run", while a program is set.
    void mostrarCorrer();
    void jugar(const std::function<void(ZelboGame &)> &accion);
    void ordenar(OrdenDelJuego orden);
    void mostrarMarcas();
    void mostrarMarcas(const GameState &mostrado);

    QString m_programDir;
    // The felt, read whole on a thread of its own; Form_Load takes the answer.
    std::unique_ptr<ComprobacionAnticipada> m_fondo;
    DialogosConAviso m_dialogos;
    AjustesJuego &m_ajustes;
    PictureCache m_cache;
    std::unique_ptr<CarasDelMazo> m_caras;
    InterfazMesa *m_mesa = nullptr;
    // The back the game asked for, before the settings' own back stands for the default.
    QString m_reversoPedido;
    // The turn sign, shown again on a new layout.
    QString m_cartel;
    ZelboGame m_juego;
    // Gone before the game: a move being thought is not handed to it.
    std::unique_ptr<ElectorEnHilo> m_enEspera;
    std::unique_ptr<AyudasTablero> m_ayudas;
    std::unique_ptr<VentanasDelJuego> m_ventanas;
    std::unique_ptr<FinDeManoEnVentana> m_finDeMano;
    std::unique_ptr<Anunciador> m_anunciador;
    std::unique_ptr<NombresAccesibles> m_nombres;
    std::unique_ptr<MenusVentana> m_menus;
    std::unique_ptr<SonidosDelJuego> m_sonidos;
    std::unique_ptr<ModoDeVentana> m_modo;
    TecladoTablero *m_teclado = nullptr;
    AnimadorTablero *m_animador = nullptr;
    SeguimientoPartida *m_seguimiento = nullptr;
    CompasesCpu *m_compases = nullptr;
    MandoDemostracion *m_demostracion = nullptr;
    PrimeraVista *m_primeraVista = nullptr;
    EntradaDeMesa *m_entrada = nullptr;
    NotaDeArchivos *m_notaDeArchivos = nullptr;
    bool m_salido = false;
    bool m_falloAlCargar = false;
};
