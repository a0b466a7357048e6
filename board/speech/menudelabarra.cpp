// SPDX-License-Identifier: GPL-3.0-or-later

#include "menudelabarra.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MenuDeLaBarra::MenuDeLaBarra(QMenu *menu)
    : QAccessibleWidget(menu, QAccessible::LayeredPane)
{
}

QAccessibleInterface *MenuDeLaBarra::fabrica(const QString &clase, QObject *objeto)
{
    auto *menu = qobject_cast<QMenu *>(objeto);
    if (clase != QLatin1String("QMenu") || !menu)
        return nullptr;
    for (QObject *asociado : menu->menuAction()->associatedObjects()) {
        if (qobject_cast<QMenuBar *>(asociado))
            return new MenuDeLaBarra(menu);
    }
    return nullptr;
}

QMenu *MenuDeLaBarra::menu() const
{
    return static_cast<QMenu *>(widget());
}

// The bar's item that opens the menu.
QAccessibleInterface *MenuDeLaBarra::parent() const
{
    return QAccessible::queryAccessibleInterface(menu()->menuAction());
}

QAccessibleInterface *MenuDeLaBarra::child(int indice) const
{
    const QList<QAction *> acciones = menu()->actions();
    return indice >= 0 && indice < acciones.size()
        ? QAccessible::queryAccessibleInterface(acciones.at(indice))
        : nullptr;
}

int MenuDeLaBarra::childCount() const
{
    return int(menu()->actions().size());
}

int MenuDeLaBarra::indexOfChild(const QAccessibleInterface *hijo) const
{
    return hijo ? int(menu()->actions().indexOf(qobject_cast<QAction *>(hijo->object()))) : -1;
}

QAccessibleInterface *MenuDeLaBarra::childAt(int x, int y) const
{
    QAction *accion = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
    return accion && !accion->isSeparator() ? QAccessible::queryAccessibleInterface(accion)
                                            : nullptr;
}
