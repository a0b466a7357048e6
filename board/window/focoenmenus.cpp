// SPDX-License-Identifier: GPL-3.0-or-later

#include "focoenmenus.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <utility>

FocoEnMenus::FocoEnMenus(QMenuBar &barra)
    : QObject(&barra)
    , m_barra(barra)
{
    for (QMenu *menu : barra.findChildren<QMenu *>()) {
        connect(menu, &QMenu::aboutToShow, this, &FocoEnMenus::esperarEnLaBarra);
        connect(menu, &QMenu::aboutToHide, this, &FocoEnMenus::volverLuego);
    }
}

void FocoEnMenus::esperarEnLaBarra()
{
    // A menu opened by the mouse is left to Qt: the keys walk from one menu to the next.
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    QWidget *foco = m_barra.window()->focusWidget();
    if (!foco || foco == &m_barra || qobject_cast<QMenu *>(foco))
        return;
    m_antes = foco;
    m_barra.setFocus(Qt::PopupFocusReason);
}

// Once Qt has done with the closed menu: walking to the next menu has opened that one by then.
void FocoEnMenus::volverLuego()
{
    if (m_antes)
        QTimer::singleShot(0, this, &FocoEnMenus::volver);
}

void FocoEnMenus::volver()
{
    if (!m_antes || QApplication::activePopupWidget())
        return;
    QWidget *antes = std::exchange(m_antes, nullptr);
    if (m_barra.window()->focusWidget() == &m_barra && antes->isVisible())
        antes->setFocus(Qt::PopupFocusReason);
}
