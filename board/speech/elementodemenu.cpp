// SPDX-License-Identifier: GPL-3.0-or-later

#include "elementodemenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QWidget>

namespace {

// The menu or the bar that shows the action.
QWidget *duenioDe(QAction *accion)
{
    for (QObject *asociado : accion->associatedObjects()) {
        if (qobject_cast<QMenu *>(asociado) || qobject_cast<QMenuBar *>(asociado))
            return static_cast<QWidget *>(asociado);
    }
    return nullptr;
}

QString sinLetra(QString texto)
{
    return texto.remove(QLatin1Char('&'));
}

} // namespace

ElementoDeMenu::ElementoDeMenu(QWidget *duenio, QAction *accion)
    : m_duenio(duenio)
    , m_accion(accion)
{
}

QAccessibleInterface *ElementoDeMenu::fabrica(const QString &clase, QObject *objeto)
{
    auto *accion = qobject_cast<QAction *>(objeto);
    if (clase != QLatin1String("QAction") || !accion)
        return nullptr;
    QWidget *duenio = duenioDe(accion);
    return duenio ? new ElementoDeMenu(duenio, accion) : nullptr;
}

bool ElementoDeMenu::isValid() const
{
    return m_accion && m_duenio;
}

QObject *ElementoDeMenu::object() const
{
    return m_accion;
}

QWindow *ElementoDeMenu::window() const
{
    return m_duenio ? m_duenio->window()->windowHandle() : nullptr;
}

QAccessibleInterface *ElementoDeMenu::parent() const
{
    return QAccessible::queryAccessibleInterface(m_duenio.data());
}

QAccessibleInterface *ElementoDeMenu::child(int indice) const
{
    return indice == 0 && m_accion->menu() ? QAccessible::queryAccessibleInterface(m_accion->menu())
                                           : nullptr;
}

int ElementoDeMenu::childCount() const
{
    return m_accion->menu() ? 1 : 0;
}

int ElementoDeMenu::indexOfChild(const QAccessibleInterface *hijo) const
{
    return hijo && m_accion->menu() && hijo->object() == m_accion->menu() ? 0 : -1;
}

QAccessibleInterface *ElementoDeMenu::childAt(int x, int y) const
{
    QAccessibleInterface *menu = child(0);
    return menu && menu->rect().contains(x, y) ? menu : nullptr;
}

QString ElementoDeMenu::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return sinLetra(m_accion->text());
    case QAccessible::Accelerator:
        return m_accion->shortcut().toString(QKeySequence::NativeText);
    default:
        return QString();
    }
}

QRect ElementoDeMenu::rect() const
{
    QRect zona;
    if (auto *barra = qobject_cast<QMenuBar *>(m_duenio.data()))
        zona = barra->actionGeometry(m_accion);
    else if (auto *menu = qobject_cast<QMenu *>(m_duenio.data()))
        zona = menu->actionGeometry(m_accion);
    return zona.translated(m_duenio->mapToGlobal(QPoint(0, 0)));
}

// A switch is a check box: Qt passes no screen reader that a menu item can be checked, so
// Orca said of a switch that was on that it was checked, and nothing of one that was off.
QAccessible::Role ElementoDeMenu::role() const
{
    if (m_accion->isSeparator())
        return QAccessible::Separator;
    return m_accion->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
}

QAccessible::State ElementoDeMenu::state() const
{
    QAccessible::State estado;
    if (!m_duenio->isVisible() || !m_accion->isVisible())
        estado.invisible = true;
    QAction *activa = nullptr;
    if (auto *barra = qobject_cast<QMenuBar *>(m_duenio.data()))
        activa = barra->activeAction();
    else if (auto *menu = qobject_cast<QMenu *>(m_duenio.data()))
        activa = menu->activeAction();
    estado.focused = activa == m_accion;
    estado.hotTracked = m_duenio->style()->styleHint(QStyle::SH_Menu_MouseTracking);
    estado.disabled = m_accion->isSeparator() || !m_accion->isEnabled();
    estado.checkable = m_accion->isCheckable();
    estado.checked = m_accion->isChecked();
    return estado;
}

void *ElementoDeMenu::interface_cast(QAccessible::InterfaceType tipo)
{
    return tipo == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList ElementoDeMenu::actionNames() const
{
    if (m_accion->isSeparator())
        return {};
    return { m_accion->menu() ? showMenuAction() : pressAction() };
}

void ElementoDeMenu::doAction(const QString &nombre)
{
    if (!m_accion->isEnabled())
        return;
    if (nombre == pressAction()) {
        m_accion->trigger();
    } else if (nombre == showMenuAction()) {
        if (m_accion->menu()->isVisible())
            m_accion->menu()->hide();
        else if (auto *barra = qobject_cast<QMenuBar *>(m_duenio.data()))
            barra->setActiveAction(m_accion);
        else if (auto *menu = qobject_cast<QMenu *>(m_duenio.data()))
            menu->setActiveAction(m_accion);
    }
}

QStringList ElementoDeMenu::keyBindingsForAction(const QString &) const
{
    const QString letra
        = QKeySequence::mnemonic(m_accion->text()).toString(QKeySequence::NativeText);
    const QString atajo = m_accion->shortcut().toString(QKeySequence::NativeText);
    if (letra.isEmpty() && atajo.isEmpty())
        return {};
    return { letra, QString(), atajo };
}
