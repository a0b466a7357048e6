// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QWidget;

// An item of a menu or of the menu bar as a screen reader reads it: as Qt's own, and with
// its keys given as "letter;;shortcut", the form in which Orca finds the shortcut that it
// says after the item's name ("Pista, H"); Qt's item gives no keys that way.
class ElementoDeMenu : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ElementoDeMenu(QWidget *duenio, QAction *accion);

    // The factory for the actions of the menus and the menu bar.
    static QAccessibleInterface *fabrica(const QString &clase, QObject *objeto);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int indice) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *hijo) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType tipo) override;

    QStringList actionNames() const override;
    void doAction(const QString &nombre) override;
    QStringList keyBindingsForAction(const QString &nombre) const override;

private:
    QPointer<QWidget> m_duenio;
    QPointer<QAction> m_accion;
};
