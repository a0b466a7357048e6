// SPDX-License-Identifier: GPL-3.0-or-later

#include "lienzo.h"

QPixmap Lienzo::transparente(QSize tamano, qreal razon)
{
    QPixmap lienzo((QSizeF(tamano) * razon).toSize());
    lienzo.setDevicePixelRatio(razon);
    lienzo.fill(Qt::transparent);
    return lienzo;
}
