// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

// While a menu of the bar is open, the window's focus waits on the bar, and goes back to
// where it was once every menu is closed (Escape then closes a menu and the bar). Walking from
// one menu to the next (Left, Right) closes one menu window and activates the main window
// for a moment: Qt then gave the focus back to the card that had it, and a screen reader
// read that card instead of the menu just opened. The bar is the one place whose focus Qt
// does not tell a screen reader.
class FocoEnMenus : public QObject
{
public:
    explicit FocoEnMenus(QMenuBar &barra);

private:
    void esperarEnLaBarra();
    void volverLuego();
    void volver();

    QMenuBar &m_barra;
    QPointer<QWidget> m_antes;
};
