// SPDX-License-Identifier: GPL-3.0-or-later

#include "guardadeentrada.h"

#include <QEvent>
#include <QWidget>

namespace {
bool esEntrada(QEvent::Type tipo)
{
    switch (tipo) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}
} // namespace

GuardaDeEntrada::GuardaDeEntrada(QWidget &ventana, std::function<bool()> ocupada,
                                 std::function<void()> alEntrar)
    : QObject(&ventana)
    , m_ventana(ventana)
    , m_ocupada(std::move(ocupada))
    , m_alEntrar(std::move(alEntrar))
{
    vigilar(&ventana);
}

void GuardaDeEntrada::vigilar(QObject *objeto)
{
    if (objeto == this)
        return;
    objeto->installEventFilter(this);
    for (QObject *hijo : objeto->children())
        vigilar(hijo);
}

// The window's widgets, and its actions with their shortcuts; not a dialog made
// a child of the window, which is a window of its own.
bool GuardaDeEntrada::deLaVentana(QObject *objeto) const
{
    const auto *control = qobject_cast<QWidget *>(objeto);
    return control ? control->window() == &m_ventana : true;
}

bool GuardaDeEntrada::eventFilter(QObject *objeto, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded)
        vigilar(static_cast<QChildEvent *>(event)->child());
    if (!esEntrada(event->type()) || !deLaVentana(objeto))
        return false;
    if (m_ocupada())
        return !m_libre || !m_libre(objeto);
    m_alEntrar();
    return false;
}
