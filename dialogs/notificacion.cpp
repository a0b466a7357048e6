// SPDX-License-Identifier: GPL-3.0-or-later

#include "notificacion.h"

#include <QAccessibleWidget>
#include <QStatusBar>

namespace {

const QString kBarra = QStringLiteral("barraDeNotificaciones");

QAccessibleInterface *accesible(const QString &, QObject *objeto)
{
    auto *notificacion = qobject_cast<Notificacion *>(objeto);
    return notificacion ? new QAccessibleWidget(notificacion, QAccessible::Notification) : nullptr;
}

} // namespace

Notificacion::Notificacion(QWidget *parent)
    : QWidget(parent)
{
    [[maybe_unused]] static const bool instalada = (QAccessible::installFactory(accesible), true);
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Notificacion::decir(const QString &texto)
{
    hide();
    setAccessibleName(texto);
    show();
}

Notificacion &Notificacion::deLaVentana(QWidget &ventana)
{
    auto *barra = ventana.findChild<QStatusBar *>(kBarra, Qt::FindDirectChildrenOnly);
    if (!barra) {
        barra = new QStatusBar(&ventana);
        barra->setObjectName(kBarra);
        barra->setSizeGripEnabled(false);
        barra->setGeometry(0, 0, 1, 1);
        barra->setAttribute(Qt::WA_TransparentForMouseEvents);
        new Notificacion(barra);
        barra->show();
    }
    return *barra->findChild<Notificacion *>();
}
