// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

// What must wait until the player can see a widget: a window shown but not yet painted (the
// start, with the window system still mapping it) holds it back until its first paint is on
// the screen; once painted, or while hidden, it runs at once.
class PrimeraVista : public QObject
{
    Q_OBJECT

public:
    explicit PrimeraVista(QWidget &vigilado);

    void cuandoSeVea(std::function<void()> accion);
    // Painted, and what waited for it done.
    bool visto() const { return m_visto; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void soltar();

    QPointer<QWidget> m_vigilado;
    bool m_visto = false;
    std::vector<std::function<void()>> m_esperan;
};
