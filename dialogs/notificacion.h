// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

// Words a screen reader says whatever has the focus. Qt 6.4 has no announcement event, and
// Orca speaks only what concerns the focused object, or a notification that shows: this one
// pixel, painting nothing, is such a notification, hidden, renamed with the words and shown
// again.
class Notificacion : public QWidget
{
    Q_OBJECT

public:
    explicit Notificacion(QWidget *parent);

    // The window's notification in a one-pixel status bar of its own, made on first use:
    // Orca says a status bar's notification as bare words, and another with its role first.
    static Notificacion &deLaVentana(QWidget &ventana);

    void decir(const QString &texto);
};
