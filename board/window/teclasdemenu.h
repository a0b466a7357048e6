// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Installed on the menu bar and its menus: while one of them has the keyboard
// (after Alt, or with a menu open), a key without Ctrl, Alt or Meta is theirs.
// Otherwise the board's one-key commands (Intro, Espacio, H, M) are shortcuts of
// the whole window and take it first: the Intro that should open the highlighted
// menu played the marked move instead, and the menu never opened.
class TeclasDeMenu : public QObject
{
public:
    explicit TeclasDeMenu(QObject *parent);

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;
};
