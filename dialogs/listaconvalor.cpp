// SPDX-License-Identifier: GPL-3.0-or-later

#include "listaconvalor.h"

ListaConValor::ListaConValor(const QString &nombre, QWidget *parent)
    : QComboBox(parent)
{
    setAccessibleName(nombre);
    connect(this, &QComboBox::currentTextChanged, this, &ListaConValor::describir);
}

void ListaConValor::describir()
{
    setAccessibleDescription(currentText());
}
