// SPDX-License-Identifier: GPL-3.0-or-later

#include "pensadorenhilo.h"

#include <utility>

PensadorEnHilo::PensadorEnHilo(QObject *parent)
    : QObject(parent)
{
    m_hilo.setMaxThreadCount(1);
}

PensadorEnHilo::~PensadorEnHilo()
{
    m_hilo.waitForDone();
}

// The copy of the position is the thread's own; the chooser is touched by nobody
// else until its move is handed on.
void PensadorEnHilo::pensar(ElectorJugada &elector, const GameState &estado, Lado lado, Listo listo)
{
    m_listo = std::move(listo);
    m_hilo.start([this, &elector, estado, lado] {
        Jugada jugada;
        elector.elegirEn(estado, lado, jugada);
        QMetaObject::invokeMethod(
            this, [this, jugada] { entregar(jugada); }, Qt::QueuedConnection);
    });
}

void PensadorEnHilo::entregar(const Jugada &jugada)
{
    const Listo listo = std::exchange(m_listo, {});
    if (listo)
        listo(jugada);
}
