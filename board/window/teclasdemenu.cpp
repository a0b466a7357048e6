// SPDX-License-Identifier: GPL-3.0-or-later

#include "teclasdemenu.h"

#include <QKeyEvent>

TeclasDeMenu::TeclasDeMenu(QObject *parent)
    : QObject(parent)
{
}

bool TeclasDeMenu::eventFilter(QObject *objeto, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(objeto, event);
    const auto *tecla = static_cast<QKeyEvent *>(event);
    // F1 and Ctrl+Z name no menu: they keep working as the window's shortcuts.
    const bool conOrden
        = tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (conOrden || tecla->text().isEmpty())
        return false;
    // Accepted, the override sends the key to the menu as a key press.
    event->accept();
    return true;
}
