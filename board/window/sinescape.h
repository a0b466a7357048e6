// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

// Installed on a box that must be answered with one of its buttons: Esc and
// the close box do nothing. A message box otherwise makes its "No" the escape
// answer, and a player who dismisses "¿Jugar de nuevo?" would end the program.
class SinEscape : public QObject
{
public:
    explicit SinEscape(QObject *parent);

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;
};
