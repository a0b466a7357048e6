// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "estimadorvictoria.h"
#include "gamestate.h"
#include "vistadificil.h"

#include <QObject>
#include <QThreadPool>
#include <optional>

// The human's chance to win the game, worked out on a thread of its own from
// what the human can see, so that nothing on the window's thread waits for it.
// Positions asked for while one is being worked out replace each other: only
// the newest is worked out next, and only the newest is handed on. The view is taken on the
// caller's thread: the worker never sees a hidden card.
class EstimadorEnHilo : public QObject
{
    Q_OBJECT

public:
    explicit EstimadorEnHilo(int muestras = EstimadorVictoria::kMuestras,
                             QObject *parent = nullptr);
    // Waits for the position being worked out; its chance is not handed on.
    ~EstimadorEnHilo() override;

    // The position with the human to move.
    void estimar(const GameState &estado);
    // The position once the human, to move in antes, has made jugada.
    void estimarTras(const GameState &antes, const Jugada &jugada);

signals:
    // In percent, 0 to 100, on the window's thread.
    void estimado(int porcentaje);

private:
    // A view, and the move played from it if the chance is asked after one.
    struct Pedido
    {
        VistaDificil vista;
        std::optional<MovimientoCompacto> tras;
    };

    void pedir(const Pedido &pedido, std::uint64_t huella);
    void empezar(const Pedido &pedido);
    void terminado(int porcentaje);

    EstimadorVictoria m_estimador;
    QThreadPool m_hilo;
    bool m_ocupado = false;
    std::optional<Pedido> m_siguiente;
    // The last view asked for: asked again (a mark set), it is not worked out again.
    std::optional<std::uint64_t> m_ultima;
};
