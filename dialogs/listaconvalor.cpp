// SPDX-License-Identifier: GPL-3.0-or-later

#include "listaconvalor.h"

#include <QAbstractItemView>
#include <QStatusBar>

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
    if (!m_aviso) {
        // A screen reader says a notification of a status bar as bare words, where it
        // says another with its role first.
        auto *barra = new QStatusBar(window());
        barra->setSizeGripEnabled(false);
        barra->setGeometry(0, 0, 1, 1);
        barra->setAttribute(Qt::WA_TransparentForMouseEvents);
        barra->show();
        m_aviso = new Notificacion(barra);
    }
    m_aviso->decir(currentText());
}
