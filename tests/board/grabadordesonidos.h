// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reproductorsonidos.h"

#include <QList>

// Writes down every sound the board asks for, and plays none: no audio device is needed.
class GrabadorDeSonidos : public ReproductorSonidos
{
public:
    void tocar(Sonido sonido) override { m_tocados.append(sonido); }

    const QList<Sonido> &tocados() const { return m_tocados; }
    void limpiar() { m_tocados.clear(); }

private:
    QList<Sonido> m_tocados;
};
