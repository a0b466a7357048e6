// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pensadorcpu.h"

#include <QObject>
#include <QThreadPool>

// The CPU thinks on a thread of its own, one move at a time, while the window
// paints and answers; the move comes back on the window's thread.
class PensadorEnHilo : public QObject, public PensadorCpu
{
    Q_OBJECT

public:
    explicit PensadorEnHilo(QObject *parent = nullptr);
    // Waits for a move being thought; it is not handed on.
    ~PensadorEnHilo() override;

    void pensar(ElectorJugada &elector, const GameState &estado, Lado lado, Listo listo) override;

private:
    void entregar(const Jugada &jugada);

    QThreadPool m_hilo;
    Listo m_listo;
};
