#include "fondotablero.h"

#include "boardlayout.h"
#include "escala.h"

#include <QPainter>
#include <algorithm>

namespace BL = BoardLayout;

void FondoTablero::setRuta(const QString &ruta)
{
    m_tapete.setRuta(ruta);
    m_pintado = QPixmap();
}

void FondoTablero::setColor(const QColor &color)
{
    m_tapete.setColor(color);
    m_pintado = QPixmap();
}

const QPixmap &FondoTablero::de(QSize tamano, qreal razon, const Escala &escala)
{
    const QPixmap &tapete = m_tapete.cubrir(tamano, razon);
    if (m_pintado.isNull() || m_pintado.size() != (QSizeF(tamano) * razon).toSize()
        || m_pintado.devicePixelRatio() != razon || m_delTapete != tapete.cacheKey())
        dibujar(tamano, razon, escala);
    return m_pintado;
}

void FondoTablero::dibujar(QSize tamano, qreal razon, const Escala &escala)
{
    const QPixmap &tapete = m_tapete.cubrir(tamano, razon);
    m_delTapete = tapete.cacheKey();
    m_pintado = QPixmap((QSizeF(tamano) * razon).toSize());
    m_pintado.setDevicePixelRatio(razon);
    // Without a felt the window's own background shows, as it always did.
    m_pintado.fill(Qt::transparent);
    QPainter p(&m_pintado);
    p.drawPixmap(0, 0, tapete);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 20, 20), std::max(1, escala.px(45)), Qt::SolidLine, Qt::RoundCap));
    for (const BL::Linea &linea : BL::kLineas)
        p.drawLine(escala.punto(linea.desde), escala.punto(linea.hasta));
}
