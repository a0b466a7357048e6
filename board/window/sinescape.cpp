// SPDX-License-Identifier: GPL-3.0-or-later

#include "sinescape.h"

#include <QKeyEvent>

SinEscape::SinEscape(QObject *parent)
    : QObject(parent)
{
}

bool SinEscape::eventFilter(QObject *objeto, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel);
    case QEvent::Close:
        event->ignore();
        return true;
    default:
        return QObject::eventFilter(objeto, event);
    }
}
