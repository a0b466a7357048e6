// SPDX-License-Identifier: GPL-3.0-or-later

#include "barraclasica.h"

#include <QAction>
#include <QLayout>
#include <algorithm>

BarraClasica::BarraClasica(QWidget *parent)
    : QToolBar(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setMovable(false);
    // Three captioned buttons share a narrow strip: no room to spare on padding.
    setStyleSheet(QStringLiteral("QToolBar { border: none; background: transparent;"
                                 " spacing: 0; padding: 0; }"
                                 "QToolButton { padding: 0; margin: 0; color: white; }"
                                 "QToolButton:hover, QToolButton:pressed {"
                                 " background: rgba(0, 0, 0, 70); border: none;"
                                 " border-radius: 4px; }"));
}

void BarraClasica::ajustar(QSize caja)
{
    const int icono = std::max(8, caja.height() / 2);
    setIconSize(QSize(icono, icono));
    const QList<QAction *> acciones = actions();
    for (QAction *accion : acciones) {
        if (QWidget *boton = widgetForAction(accion)) {
            boton->setFont(font());
            // The toolbar keeps a pixel of margin round its buttons.
            boton->setFixedSize((caja.width() - 2) / std::max<int>(1, acciones.size()),
                                caja.height() - 2);
        }
    }
    layout()->activate();
}
