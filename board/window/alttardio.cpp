// SPDX-License-Identifier: GPL-3.0-or-later

#include "alttardio.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

AltTardio::AltTardio(QMenuBar &barra)
    : QObject(&barra)
{
    for (QMenu *menu : barra.findChildren<QMenu *>()) {
        connect(menu, &QMenu::aboutToShow, this, &AltTardio::alAbrirse);
        connect(menu, &QMenu::aboutToHide, this, [this] { m_esperaAlt = false; });
    }
    qApp->installEventFilter(this);
}

void AltTardio::alAbrirse()
{
    m_esperaAlt = !m_altEntregado && QGuiApplication::keyboardModifiers() & Qt::AltModifier;
}

bool AltTardio::eventFilter(QObject *objeto, QEvent *event)
{
    const QEvent::Type tipo = event->type();
    if ((tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease) || !objeto->isWidgetType())
        return false;
    const auto *tecla = static_cast<QKeyEvent *>(event);
    const bool aUnMenu = qobject_cast<QMenu *>(objeto) != nullptr;
    if (tecla->key() != Qt::Key_Alt) {
        // Held keys come in order: once another key reaches the menu, no Alt is late.
        if (tipo == QEvent::KeyPress) {
            m_esperaAlt = m_esperaAlt && !aUnMenu;
            m_altEntregado = m_altEntregado && (tecla->modifiers() & Qt::AltModifier);
        }
        return false;
    }
    if (tipo == QEvent::KeyRelease) {
        m_altEntregado = false;
        return false;
    }
    if (m_esperaAlt && aUnMenu) {
        m_esperaAlt = false;
        return true;
    }
    m_altEntregado = true;
    return false;
}
