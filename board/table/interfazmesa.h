// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ajustesjuego.h"
#include "lado.h"
#include "resultadodemano.h"
#include "seleccion.h"

#include <QList>
#include <QString>
#include <functional>

class QAction;
class QColor;
class QWidget;
struct GameState;
struct Marcas;
struct ResumenDeMano;

// The table as the window sees it: what it shows and how it is laid out, and
// no control of its own. One table lasts as long as the window; a change of
// layout keeps the game it shows.
class InterfazMesa
{
public:
    virtual ~InterfazMesa() = default;

    // The classic or the modern layout, with its own decorations; the other's are gone.
    virtual void setTipo(TipoMesa tipo) = 0;
    virtual TipoMesa tipo() const = 0;
    // The classic layout's boxes mark each hand card on its own; the modern layout, which
    // has none, keeps one mark in the hand.
    Seleccion::MarcasDeMano marcasDeMano() const
    {
        return tipo() == TipoMesa::Moderna ? Seleccion::MarcasDeMano::Una
                                           : Seleccion::MarcasDeMano::Varias;
    }

    // Every card of the state in its place (a list longer than its places shows
    // its first cards), the piles' tops and the side to play.
    virtual void mostrarEstado(const GameState &estado) = 0;
    virtual void mostrarMarcas(const Marcas &marcas) = 0;
    virtual void mostrarCartel(const QString &texto) = 0;
    // The side whose move the game waits for or plays; the turn sign says it on a
    // layout that has one.
    virtual void mostrarTurno(Lado lado) = 0;
    // A short message on the table itself; false where the layout shows none.
    virtual bool mostrarAviso(const QString &texto) = 0;
    // The cards in each pile.
    virtual void mostrarContadores(int cpu, int humano) = 0;
    virtual void mostrarPuntajes(int cpu, int humano) = 0;
    virtual void mostrarNombreJugador(const QString &nombre) = 0;
    virtual void setReverso(const QString &ruta) = 0;
    // The felt's picture file, decoded when it is first shown, and the colour
    // shown without it.
    virtual void setFondo(const QString &ruta) = 0;
    virtual void setColorFondo(const QColor &color) = 0;
    // The commands of the classic toolbar, and "Run" among them, which the
    // modern layout shows on its own while a program is set.
    virtual void setOrdenes(const QList<QAction *> &barra, QAction *correr) = 0;
    virtual void mostrarCorrer(bool hayPrograma) = 0;

    // Whether the hand's end and the results show on the table itself.
    virtual bool finDeManoEnMesa() const = 0;
    // The hand's summary, read as palabras when it takes the focus.
    virtual void mostrarResumen(const ResumenDeMano &resumen, const QString &palabras,
                                std::function<void()> alCerrar) = 0;
    // The results panel; what a screen reader is told of it.
    virtual QString mostrarResultados(const QString &nombre, int num1, int num2,
                                      ResultadoDeMano::Ganador ganador,
                                      std::function<void(bool otraPartida)> alResponder) = 0;
    // Whether control lies on a panel of the table that waits for the player.
    virtual bool enVeloAbierto(const QWidget *control) const = 0;
};
