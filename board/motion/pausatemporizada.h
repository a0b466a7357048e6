// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pausa.h"

#include <QObject>

// Waits by a single-shot timer of the event loop the window runs in; a wait not
// yet over when this object goes ends with it, uncalled.
class PausaTemporizada : public QObject, public Pausa
{
    Q_OBJECT

public:
    using QObject::QObject;
    void esperar(int milisegundos, std::function<void()> luego) override;
};
