// SPDX-License-Identifier: GPL-3.0-or-later

#include "fondotablero.h"

#include "lugaresclasicos.h"
#include "escala.h"

#include <QPainter>
#include <algorithm>
#include <utility>

namespace LC = LugaresClasicos;

void FondoTablero::setRuta(const QString &ruta)
{
    m_ruta = ruta;
    m_pintado = QPixmap();
}

void FondoTablero::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    m_pintado = QPixmap();
}

const QPixmap &FondoTablero::de(QSize tamano, qreal razon, const Escala &escala)
{
    if (m_pintado.isNull() || m_pintado.size() != (QSizeF(tamano) * razon).toSize()
        || m_pintado.devicePixelRatio() != razon)
        dibujar(tamano, razon, escala);
    return m_pintado;
}

void FondoTablero::dibujar(QSize tamano, qreal razon, const Escala &escala)
{
    const QSize enDispositivo = (QSizeF(tamano) * razon).toSize();
    QImage fondo = Tapete::cubrir(m_ruta, m_color, enDispositivo);
    if (fondo.isNull()) {
        // Without a felt the window's own background shows, as it always did.
        fondo = QImage(enDispositivo, QImage::Format_ARGB32_Premultiplied);
        fondo.fill(Qt::transparent);
    }
    fondo.setDevicePixelRatio(razon);
    if (m_lineas) {
        QPainter p(&fondo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 20, 20), std::max(1, escala.px(45)), Qt::SolidLine, Qt::RoundCap));
        for (const LC::Linea &linea : LC::kLineas)
            p.drawLine(escala.punto(linea.desde), escala.punto(linea.hasta));
    }
    m_pintado = QPixmap::fromImage(std::move(fondo));
}
