// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// The focus frame is for keyboard players: it shows on the board's cards once
// a key is pressed in the board's window, and goes at the next mouse press
// there, so a mouse player sees only the marks. The focus itself stays where
// it is, for the keys and for a screen reader.
class FocoVisible : public QObject
{
public:
    // Watches every input of the application for the window the board is in.
    explicit FocoVisible(QWidget &tablero);
    ~FocoVisible() override;

    bool activo() const { return m_activo; }

    // Shift, Control, Alt and their kind pressed alone.
    static bool soloModificador(const QKeyEvent &tecla);

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    void setActivo(bool activo);

    QWidget &m_tablero;
    bool m_activo = false;
};
