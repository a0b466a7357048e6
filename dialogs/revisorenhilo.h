// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugadasdelapartida.h"
#include "revisionjugada.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <vector>

// Reviews a game's moves one by one on a thread of its own, while the window
// paints and answers; each move's review comes back on the window's thread.
class RevisorEnHilo : public QObject
{
    Q_OBJECT

public:
    explicit RevisorEnHilo(int muestras, QObject *parent = nullptr);
    // Stops the review and waits for the move being reviewed; it is not handed on.
    ~RevisorEnHilo() override;

    void revisar(std::vector<JugadaAnotada> jugadas);
    // No move is handed on after this; terminada(false) follows.
    void cancelar();

signals:
    void revisada(int indice, const RevisionJugada &revision);
    // Every move was reviewed, or the review was stopped first.
    void terminada(bool completa);

private:
    int m_muestras;
    std::shared_ptr<std::atomic_bool> m_cancelada;
    QThreadPool m_hilo;
};
