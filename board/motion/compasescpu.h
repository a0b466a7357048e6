// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "planturnocpu.h"

#include <QObject>
#include <functional>

class AjustesJuego;
class AnimadorTablero;
class Mesa;
class CardPicture;
class Pausa;

// Plays the beats of a CPU turn on the board, one after the other: each beat's
// mark joins the marks shown, its picture is enlarged (a CPU card uncovered) for
// its pause, scaled by the CPU's speed, once the cards in the air have landed.
// Nothing waits meanwhile: timers and landings call the next beat.
class CompasesCpu : public QObject
{
    Q_OBJECT

public:
    using MostrarMarcas = std::function<void(const Marcas &)>;

    // The pauses follow the CPU's speed in ajustes.
    CompasesCpu(Mesa &mesa, AnimadorTablero &animador, Pausa &pausa, const AjustesJuego &ajustes,
                MostrarMarcas mostrarMarcas, QObject *parent);

    // Plays plan from the marks shown now, then calls listo.
    void tocar(const PlanTurnoCpu &plan, const Marcas &marcas, std::function<void()> listo);
    // One beat's picture: enlarged (a CPU card uncovered) for its pause, then as
    // before, then luego.
    void ResaltarCarta(const Imagen &imagen, int milisegundos, std::function<void()> luego);

private:
    void siguiente();

    Mesa *m_mesa;
    AnimadorTablero &m_animador;
    Pausa &m_pausa;
    const AjustesJuego &m_ajustes;
    MostrarMarcas m_mostrarMarcas;
    PlanTurnoCpu m_plan;
    int m_paso = 0;
    Marcas m_marcas;
    std::function<void()> m_listo;
};
