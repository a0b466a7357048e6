// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class QMenu;

// A menu of the menu bar as a screen reader reads it. Orca says the menu an item belongs to
// ("Menú Juego, Pista H") only when the item's parent has a menu's role, which none of Qt's
// roles gives: Qt's open menu is a popup menu, of which Orca says nothing as context. A named
// layered pane Orca does say, by its name alone, once, on entering it; so the menu is told as
// one, by the name the menu bar gave it. (A window would be said too, but Qt then tells of the
// menu's window as activated, and Orca said so at every opening.)
class MenuDeLaBarra : public QAccessibleWidget
{
public:
    explicit MenuDeLaBarra(QMenu *menu);

    // The factory for the menus of the menu bar.
    static QAccessibleInterface *fabrica(const QString &clase, QObject *objeto);

    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int indice) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *hijo) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QMenu *menu() const;
};
