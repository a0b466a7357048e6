// SPDX-License-Identifier: GPL-3.0-or-later

#include "estimadorenhilo.h"

#include "vistadificil.h"

#include <QtMath>
#include <utility>

EstimadorEnHilo::EstimadorEnHilo(int muestras, QObject *parent)
    : QObject(parent)
    , m_estimador(muestras)
{
    m_hilo.setMaxThreadCount(1);
}

EstimadorEnHilo::~EstimadorEnHilo()
{
    m_hilo.waitForDone();
}

void EstimadorEnHilo::estimar(const GameState &estado)
{
    const VistaDificil vista = VistaDificil::desdeEstado(estado, Lado::Humano);
    const std::uint64_t huella = vista.huella();
    if (m_ultima == huella)
        return;
    m_ultima = huella;
    if (m_ocupado) {
        m_siguiente = vista;
        return;
    }
    empezar(vista);
}

void EstimadorEnHilo::empezar(const VistaDificil &vista)
{
    m_ocupado = true;
    m_hilo.start([this, vista] {
        const int porcentaje = qRound(100.0 * m_estimador.estimar(vista).partida[Lado::Humano]);
        QMetaObject::invokeMethod(
            this, [this, porcentaje] { terminado(porcentaje); }, Qt::QueuedConnection);
    });
}

void EstimadorEnHilo::terminado(int porcentaje)
{
    m_ocupado = false;
    if (m_siguiente) {
        empezar(*std::exchange(m_siguiente, std::nullopt));
        return;
    }
    emit estimado(porcentaje);
}
