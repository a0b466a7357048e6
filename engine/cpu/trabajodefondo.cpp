// SPDX-License-Identifier: GPL-3.0-or-later

#include "trabajodefondo.h"

TrabajoDeFondo::TrabajoDeFondo(QObject *parent)
    : QObject(parent)
{
    m_hilo.setMaxThreadCount(1);
}

TrabajoDeFondo::~TrabajoDeFondo()
{
    cancelar();
    m_hilo.clear();
    m_hilo.waitForDone();
}

void TrabajoDeFondo::cancelar()
{
    m_parada.request_stop();
}

void TrabajoDeFondo::lanzar(std::function<void(std::stop_token)> trabajo)
{
    cancelar();
    m_hilo.clear();
    m_parada = std::stop_source();
    m_hilo.start([trabajo = std::move(trabajo), parar = m_parada.get_token()] {
        if (!parar.stop_requested())
            trabajo(parar);
    });
}
