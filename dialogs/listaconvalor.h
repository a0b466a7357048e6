// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>
#include <QString>

// A drop-down list that a screen reader hears with its choice. The desktop's accessibility
// bridge gives a list the label beside it and its choice as its name, and the reader says
// only the label; the choice is also the list's description, which the reader says after it.
class ListaConValor : public QComboBox
{
    Q_OBJECT

public:
    explicit ListaConValor(const QString &nombre, QWidget *parent = nullptr);

    // The choice as the description; called on every change, and by whoever changes the
    // list with its signals blocked.
    void describir();
};
