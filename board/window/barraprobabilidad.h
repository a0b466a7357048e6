// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "estimadorvictoria.h"
#include "trabajodefondo.h"

#include <QProgressBar>
#include <cstdint>
#include <optional>

struct GameState;
struct Jugada;

// A slim bar in the status bar with the human's chance to win the game against
// the CPU's level, playing as the hint plays, as a screen reader reads it:
// "Probabilidad de ganar: 62 %"; its tooltip gives the hand's chance beside
// the game's, which can change when the game's cannot. It is worked out off
// the window's thread from what the human can see (the view is taken on the
// window's thread: the worker never sees a hidden card); until the first value
// arrives the bar stays empty. Positions asked for while one is being worked
// out replace each other: only the newest is worked out next, and only the
// newest is handed on. It starts hidden.
class BarraProbabilidad : public QProgressBar
{
    Q_OBJECT

public:
    explicit BarraProbabilidad(int muestras = EstimadorVictoria::kMuestras,
                               QWidget *parent = nullptr);

    // Shown or hidden as the player's setting says; a hidden bar works nothing out.
    void setActiva(bool activa);
    bool activa() const { return m_activa; }
    // The level of the CPU the chance is against; a new one works the figure out anew.
    void setNivel(NivelCpu nivel);
    // The human is to move in estado.
    void actualizar(const GameState &estado);
    // The human, to move in antes, has made jugada; the CPU is yet to reply.
    void actualizarTras(const GameState &antes, const Jugada &jugada);

signals:
    void mostrado(int porcentaje);

private:
    // The view, and the move played from it if the chance is asked after one.
    void pedir(const VistaDificil &vista, std::optional<MovimientoCompacto> tras,
               std::uint64_t huella);
    void mostrar(const ChancesDeGanar &chances);

    EstimadorVictoria m_estimador;
    bool m_activa = false;
    // The last view asked for: asked again (a mark set) at the same level, it is not worked
    // out again.
    std::optional<std::uint64_t> m_ultima;
    TrabajoDeFondo m_trabajo;
};
