// SPDX-License-Identifier: GPL-3.0-or-later

#include "primeravista.h"

#include <QEvent>
#include <QTimer>

PrimeraVista::PrimeraVista(QWidget &vigilado)
    : QObject(&vigilado)
    , m_vigilado(&vigilado)
{
    vigilado.installEventFilter(this);
}

void PrimeraVista::cuandoSeVea(std::function<void()> accion)
{
    if (m_visto || !m_vigilado->isVisible()) {
        accion();
        return;
    }
    m_esperan.push_back(std::move(accion));
}

bool PrimeraVista::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_vigilado && evento->type() == QEvent::Paint) {
        m_vigilado->removeEventFilter(this);
        // After the paint: what waited starts once the frame has reached the screen.
        QTimer::singleShot(0, this, &PrimeraVista::soltar);
    }
    return QObject::eventFilter(objeto, evento);
}

void PrimeraVista::soltar()
{
    m_visto = true;
    for (auto &accion : std::exchange(m_esperan, {}))
        accion();
}
