// SPDX-License-Identifier: GPL-3.0-or-later

#include "focovisible.h"

#include "cardpicture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// A modifier on its own (Alt to reach the menus, Shift before a letter) is no
// move of the focus yet.
bool FocoVisible::soloModificador(const QKeyEvent &tecla)
{
    switch (tecla.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

FocoVisible::FocoVisible(QWidget &tablero)
    : QObject(&tablero)
    , m_tablero(tablero)
{
    qApp->installEventFilter(this);
}

FocoVisible::~FocoVisible()
{
    qApp->removeEventFilter(this);
}

bool FocoVisible::eventFilter(QObject *objeto, QEvent *event)
{
    const QEvent::Type tipo = event->type();
    const bool tecla = tipo == QEvent::KeyPress || tipo == QEvent::ShortcutOverride;
    const bool raton = tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonDblClick;
    if (!tecla && !raton)
        return false;
    const auto *control = qobject_cast<QWidget *>(objeto);
    if (!control || control->window() != m_tablero.window())
        return false;
    if (raton)
        setActivo(false);
    else if (!soloModificador(*static_cast<QKeyEvent *>(event)))
        setActivo(true);
    return false;
}

void FocoVisible::setActivo(bool activo)
{
    if (activo == m_activo)
        return;
    m_activo = activo;
    for (CardPicture *carta : m_tablero.findChildren<CardPicture *>())
        carta->setFocoVisible(activo);
}
