// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "notificacion.h"

#include <QComboBox>
#include <QPointer>
#include <QString>

// A drop-down list that a screen reader hears with its choice. The desktop's accessibility
// bridge gives a list the label beside it and its choice as its name, and the reader says
// only the label; the choice is also the list's description, which the reader says after it.
// A choice changed by the keys or the wheel while the list is closed is told by nothing the
// bridge sends: the list says it through a notification of its window.
class ListaConValor : public QComboBox
{
    Q_OBJECT

public:
    explicit ListaConValor(const QString &nombre, QWidget *parent = nullptr);

    // The choice as the description; called on every change, and by whoever changes the
    // list with its signals blocked.
    void describir();
    // What says a new choice (its window's notification), once the list has said one.
    Notificacion *aviso() const { return m_aviso; }

private:
    void decirCambio();

    QPointer<Notificacion> m_aviso;
};
