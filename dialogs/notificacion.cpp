// SPDX-License-Identifier: GPL-3.0-or-later

#include "notificacion.h"

#include <QAccessibleWidget>

namespace {

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
