// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <Qt>

class Mesa;
class QWidget;

// The player's mouse on the board, for every board test alike: clicks on a
// control or at a point of the board, double-clicks, and drags of a hand card.
// Offscreen a drag ends at once, so its drop is handed to the board as the
// platform would hand it.
class Raton
{
public:
    // The centre of a control, in its parent's (the board's) coordinates.
    static QPoint centro(const QWidget *control);
    // The control under a point of the board, or the board itself.
    static QWidget *controlEn(Mesa &mesa, QPoint punto);
    // A click at a point of the board on the control there; Qt Test's
    // double-click when doble.
    static void clicEn(Mesa &mesa, QWidget *control, QPoint punto, Qt::MouseButton boton,
                       bool doble);
    // The press, release, double-click and release a double-click is made of.
    static void dobleClic(QWidget *control, Qt::MouseButton boton);
    // Hand card slot dropped at the centre of a control of the board.
    static void soltarEn(Mesa &mesa, int slot, const QWidget *lugar);
    // Hand card slot dropped on the felt, clear of every control.
    static void soltarEnFondo(Mesa &mesa, int slot);
    // A left press at desde and, when it pressed a hand card, that card's drop
    // at hasta; else the release there. Nothing follows a press that ended the
    // program or took the control away.
    static void arrastrar(Mesa &mesa, QPoint desde, QPoint hasta);
};
