// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThreadPool>
#include <functional>
#include <stop_token>
#include <utility>

// Work off the owner's thread, so that the window paints and answers while it is
// done: each request runs on a worker thread of its own, one at a time, and its
// result comes back on the thread this object lives on. A newer request cancels
// the older ones: a task not started yet never starts, the running one is told
// to stop through its std::stop_token, and no older result is handed on, not
// even one already on its way. The long computations check the token between
// their steps, so destroying the owner waits at most for the step in progress.
class TrabajoDeFondo : public QObject
{
    Q_OBJECT

public:
    explicit TrabajoDeFondo(QObject *parent = nullptr);
    // Cancels every request and waits for the running task to stop.
    ~TrabajoDeFondo() override;

    // Runs tarea(parar) on the worker; then, unless cancelled meanwhile,
    // entregar(its result) on this object's thread. tarea must not touch what
    // the owner changes: it gets copies, or data nobody else writes.
    template<class Tarea, class Entregar>
    void pedir(Tarea tarea, Entregar entregar);
    // Nothing asked so far is handed on.
    void cancelar();

private:
    void lanzar(std::function<void(std::stop_token)> trabajo);

    QThreadPool m_hilo;
    std::stop_source m_parada;
};

template<class Tarea, class Entregar>
void TrabajoDeFondo::pedir(Tarea tarea, Entregar entregar)
{
    lanzar([this, tarea = std::move(tarea), entregar = std::move(entregar)](std::stop_token parar) {
        auto resultado = tarea(parar);
        if (parar.stop_requested())
            return;
        // Checked again on the owner's thread, where requests are made and cancelled.
        QMetaObject::invokeMethod(
            this,
            [parar, entregar, resultado = std::move(resultado)] {
                if (!parar.stop_requested())
                    entregar(resultado);
            },
            Qt::QueuedConnection);
    });
}
