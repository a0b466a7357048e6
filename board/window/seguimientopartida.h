// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "gamestate.h"
#include "jugada.h"

#include <QObject>
#include <QStringList>
#include <vector>

class Mesa;
class QAction;
class QDockWidget;
class QLabel;
class QListWidget;
class QMainWindow;
class ZelboGame;

// Helps the player follow the game: the game's number in the status bar, the
// cards the CPU just played or took outlined until the player acts again, and
// the "Historial" dock with every move in words.
class SeguimientoPartida : public QObject
{
    Q_OBJECT

public:
    SeguimientoPartida(QMainWindow &ventana, Mesa &mesa);

    // Shows and hides the dock; checkable, for the "Juego" menu.
    QAction *accionHistorial() const;
    QDockWidget *dock() const { return m_dock; }
    QListWidget *lista() const { return m_lista; }

    void cpuJugo(const Jugada &jugada, const GameState &antes);
    // The player acts: the CPU's cards are no longer outlined.
    void olvidarCpu(const GameState &estado);
    // Everything from the game: number, history, outlines.
    void actualizar(const ZelboGame &juego);

private:
    void mostrar(const QStringList &lineas);
    void senalar(const GameState &estado);

    Mesa *m_mesa;
    QDockWidget *m_dock = nullptr;
    QListWidget *m_lista = nullptr;
    QLabel *m_numero = nullptr;
    QStringList m_mostradas; // the lines in the list
    std::vector<CardId> m_cpu;
    int m_manoCpu = 0; // the hand those cards were played in
};
