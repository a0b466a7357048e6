// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "menusventana.h"

#include <QPointer>
#include <QString>
#include <functional>

class AjustesJuego;
class DialogService;
class HelpWindow;
class QWidget;
class ZelboGame;

// The game's other windows, opened over the main one: the help, Opciones, the
// statistics, the review of the game and "Acerca de". Those that change the
// game open only while it waits for the player.
class VentanasDelJuego
{
public:
    VentanasDelJuego(const QString &programDir, ZelboGame &juego, AjustesJuego &ajustes,
                     DialogService &dialogos, QWidget &ventana);

    void abrirAyuda();
    void abrirOpciones();
    void abrirEstadisticas();
    // Over the window it is asked from, which waits for it; the moves are its own copy.
    void abrirRevision(QWidget *sobre);
    void abrirAcercaDe();
    // The menus' commands: the game's through juego, the windows' here.
    MenusVentana::Ordenes ordenes(std::function<void(MenusVentana::OrdenDelJuego)> juego,
                                  std::function<void(const QString &)> barra);
    // The main window comes to the front, and the dialog open in it if there is
    // one (desktops may only flash it).
    void traerAlFrente();
    // The help window closes with the program.
    void cerrarAyuda();

private:
    QString m_programDir;
    ZelboGame &m_juego;
    AjustesJuego &m_ajustes;
    DialogService &m_dialogos;
    QWidget &m_ventana;
    QPointer<HelpWindow> m_ayuda;
};
