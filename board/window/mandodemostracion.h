// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "demostracionenmesa.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QStatusBar;
class ZelboGame;

// "Demostración" of the Juego menu: while the player is to move, the window's table shows a
// demonstration instead of the player's game, until any key or click (or the menu item again)
// stops it; then the window shows the player's game again, as it was, for nothing of it
// changed. The status bar says all along that a demonstration plays and how to stop it.
class MandoDemostracion : public QObject
{
    Q_OBJECT

public:
    // volver shows the player's game on the table again, at once.
    MandoDemostracion(const DemostracionEnMesa::Tablero &tablero, ZelboGame &juego,
                      DialogService &dialogos, QStatusBar &barra, std::function<void()> volver,
                      QObject *parent);
    ~MandoDemostracion() override;

    // Starts a demonstration, or stops the one that plays.
    void alternar();
    void detener();
    bool enCurso() const { return m_sesion != nullptr; }
    // The demonstration that plays, for tests; null when none.
    const DemostracionEnMesa *sesion() const { return m_sesion.get(); }
    // The seats of every demonstration choose off the window's thread; without this, at once.
    void elegirEnHilo() { m_enHilo = true; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void empezar();
    // Every card the demonstration left enlarged back in its place.
    void devolverCartas();

    DemostracionEnMesa::Tablero m_tablero;
    ZelboGame &m_juego;
    DialogService &m_dialogos;
    QLabel *m_rotulo;
    std::function<void()> m_volver;
    std::unique_ptr<DemostracionEnMesa> m_sesion;
    QPointer<QWidget> m_foco;
    bool m_enHilo = false;
};
