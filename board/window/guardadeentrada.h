// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Drops the player's input to a window while its game is busy with a move (the
// CPU's turn above all): clicks, keys, shortcuts, wheel and drops are not queued
// for later. It watches the window and every object in it, those added later
// included; windows of their own opened over it (the game's dialogs) work.
// Input to the window while it is free is first shown to alEntrar.
class GuardaDeEntrada : public QObject
{
    Q_OBJECT

public:
    GuardaDeEntrada(QWidget &ventana, std::function<bool()> ocupada,
                    std::function<void()> alEntrar);

    // While busy, input to an object libre accepts (a control on a panel of the table that
    // waits for the player, the menus over it) still passes.
    void setLibre(std::function<bool(const QObject *objeto)> libre) { m_libre = std::move(libre); }

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    void vigilar(QObject *objeto);
    bool deLaVentana(QObject *objeto) const;

    QWidget &m_ventana;
    std::function<bool()> m_ocupada;
    std::function<void()> m_alEntrar;
    std::function<bool(const QObject *)> m_libre;
};
