// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "partidademostracion.h"
#include "pausa.h"
#include "zelboview.h"

#include <QObject>
#include <functional>
#include <memory>

class AjustesJuego;
class AnimadorTablero;
class Anunciador;
class CompasesCpu;
class DialogService;
class ElectorEnHilo;
class Mesa;
class Ubicaciones;

// One demonstration on the window's table: the game the CPU plays in both seats, shown with the
// CPU's beats for either seat at the player's speed and animations, every move said as the
// CPU's moves are said. The hand's end and the results are said and shown for a pause, and
// another game follows. It draws only on the table and the announcer: the window's game, its
// helpers and its files are not touched, and the window shows its own game again when this
// object is gone. The controls keep the names of the player's game for a screen reader: a name
// that changed under the focus would be read as the player's. Waits not yet over when it goes end
// with it, uncalled.
class DemostracionEnMesa : public QObject, public ZelboView, public Pausa
{
    Q_OBJECT

public:
    // What of the window the demonstration shows itself on.
    struct Tablero
    {
        Mesa &mesa;
        Anunciador &anunciador;
        AnimadorTablero &animador;
        Pausa &pausa;
        const AjustesJuego &ajustes;
    };

    // alFallar is called, later, when the game of the demonstration failed; its failure was
    // shown in dialogos.
    DemostracionEnMesa(const Tablero &tablero, const Ubicaciones &lugares, DialogService &dialogos,
                       std::uint64_t semilla, NivelCpu nivel, std::function<void()> alFallar,
                       QObject *parent);
    ~DemostracionEnMesa() override;

    // The seats choose off the window's thread from now on; without this, at once (tests).
    void elegirEnHilo();
    void iniciar();
    const GameState &estado() const { return m_partida->estado(); }
    // Moves played so far by the top seat and by the bottom one.
    int jugadasArriba() const { return m_jugadasArriba; }
    int jugadasAbajo() const { return m_jugadasAbajo; }

    void esperar(int milisegundos, std::function<void()> luego) override;

    void UpdateForm() override;
    bool cargarReverso(const QString &) override { return true; }
    void aplicarColorFondo(qint32) override { }
    void mostrarVentana() override { }
    void setCartel(const Cartel &cartel) override;
    void mostrarResultadoMano(const ResultadoDeMano &resultado) override;
    void mostrarPuntajes(int cpu, int humano) override;
    void mostrarNombreJugador(const QString &nombre) override;
    void mostrarTurnoCpu(const Jugada &jugada, const GameState &antes,
                         std::function<void()> listo) override;
    void prepararResultados() override { }
    void Dialogo(const QString &, int, int, ResultadoDeMano::Ganador,
                 std::function<void()> alCerrar) override;
    bool avisoDeJugada(const QString &) override { return true; }
    bool finDeManoEnTablero() const override { return true; }
    void resumenDeMano(const ResumenDeMano &resumen, std::function<void()> alCerrar) override;
    void resultadosEnTablero(const QString &nombre, int num1, int num2,
                             ResultadoDeMano::Ganador ganador,
                             std::function<void(bool otraPartida)> alResponder) override;
    void turnoDelJugador() override;
    bool iniciarPrograma(const QString &) override { return false; }
    void Salir(int estado) override;

private:
    // A move of either seat: said, then its beats, then carried out.
    void tocar(const Jugada &jugada, const GameState &antes, Lado lado,
               std::function<void()> listo);
    void jugarAbajo();
    // Said and shown for the pause of a hand's end, then luego.
    void pausaLarga(const QString &texto, std::function<void()> luego);

    Tablero m_tablero;
    CompasesCpu *m_compases;
    std::function<void()> m_alFallar;
    std::unique_ptr<ElectorEnHilo> m_enHilo;
    std::unique_ptr<PartidaDeDemostracion> m_partida;
    int m_jugadasArriba = 0;
    int m_jugadasAbajo = 0;
};
