// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QMenuBar;

// Under a screen reader, Qt holds each key press until the reader has seen it and then
// sends it again, but a shortcut does not wait: Alt and a menu's letter opened the menu
// first, and the Alt pressed before them reached the open menu afterwards, which closed it.
// A menu opened by its letter before its Alt arrived takes that late Alt as pressed already;
// any later Alt closes the menu as before.
class AltTardio : public QObject
{
public:
    explicit AltTardio(QMenuBar &barra);

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    void alAbrirse();

    // An Alt press has reached a widget and no release has come yet.
    bool m_altEntregado = false;
    // A menu opened by Alt and its letter before the Alt itself came.
    bool m_esperaAlt = false;
};
