// SPDX-License-Identifier: GPL-3.0-or-later

#include "revisorenhilo.h"

#include "revisordejugadas.h"

#include <utility>

RevisorEnHilo::RevisorEnHilo(int muestras, QObject *parent)
    : QObject(parent)
    , m_muestras(muestras)
    , m_cancelada(std::make_shared<std::atomic_bool>(false))
{
    m_hilo.setMaxThreadCount(1);
}

RevisorEnHilo::~RevisorEnHilo()
{
    m_cancelada->store(true);
    m_hilo.waitForDone();
}

// The moves are the thread's own copy; the answers come back queued, and are
// dropped once the review is cancelled.
void RevisorEnHilo::revisar(std::vector<JugadaAnotada> jugadas)
{
    m_cancelada = std::make_shared<std::atomic_bool>(false);
    m_hilo.start([this, cancelada = m_cancelada, jugadas = std::move(jugadas), m = m_muestras] {
        const RevisorDeJugadas revisor(m);
        for (std::size_t i = 0; i < jugadas.size() && !cancelada->load(); ++i) {
            const RevisionJugada r = revisor.revisar(jugadas, i);
            QMetaObject::invokeMethod(
                this,
                [this, cancelada, i, r] {
                    if (!cancelada->load())
                        emit revisada(static_cast<int>(i), r);
                },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this,
            [this, cancelada] {
                if (!cancelada->exchange(true))
                    emit terminada(true);
            },
            Qt::QueuedConnection);
    });
}

void RevisorEnHilo::cancelar()
{
    if (m_cancelada->exchange(true))
        return;
    emit terminada(false);
}
