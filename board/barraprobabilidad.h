// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "estimadorvictoria.h"

#include <QProgressBar>

class EstimadorEnHilo;
struct GameState;
struct Jugada;

// A slim bar in the status bar with the human's chance to win the game, as a
// screen reader reads it: "Probabilidad de ganar: 62 %". It is worked out off
// the window's thread; until the first value arrives the bar stays empty.
// It starts hidden.
class BarraProbabilidad : public QProgressBar
{
    Q_OBJECT

public:
    explicit BarraProbabilidad(int muestras = EstimadorVictoria::kMuestras,
                               QWidget *parent = nullptr);

    // Shown or hidden as the player's setting says; a hidden bar works nothing out.
    void setActiva(bool activa);
    bool activa() const { return m_activa; }
    // The human is to move in estado.
    void actualizar(const GameState &estado);
    // The human, to move in antes, has made jugada; the CPU is yet to reply.
    void actualizarTras(const GameState &antes, const Jugada &jugada);

signals:
    void mostrado(int porcentaje);

private:
    void mostrar(int porcentaje);

    EstimadorEnHilo *m_estimador;
    bool m_activa = false;
};
