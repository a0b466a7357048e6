// SPDX-License-Identifier: GPL-3.0-or-later

#include "listaconvalor.h"

#include <QAbstractItemView>

ListaConValor::ListaConValor(const QString &nombre, QWidget *parent)
    : QComboBox(parent)
{
    setAccessibleName(nombre);
    connect(this, &QComboBox::currentTextChanged, this, &ListaConValor::describir);
    connect(this, &QComboBox::currentIndexChanged, this, &ListaConValor::decirCambio);
}

void ListaConValor::describir()
{
    setAccessibleDescription(currentText());
}

void ListaConValor::decirCambio()
{
    // An open list is read item by item; a change the player did not make is not news.
    if (!hasFocus() || view()->isVisible())
        return;
    if (!m_aviso)
        m_aviso = &Notificacion::deLaVentana(*window());
    m_aviso->decir(currentText());
}
