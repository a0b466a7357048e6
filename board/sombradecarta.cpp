// SPDX-License-Identifier: GPL-3.0-or-later

#include "sombradecarta.h"

#include "cardpicture.h"
#include "lienzo.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {
// A board at one size shows cards of two sizes (at rest and enlarged), with
// a second fall for flights; every new board size starts the set again.
constexpr qsizetype kGuardadas = 8;
} // namespace

int SombraDeCarta::margen(qreal caida)
{
    return static_cast<int>(std::ceil(caida * 2)) + 1;
}

void SombraDeCarta::pintar(QPainter &pintor, const QRect &carta, qreal caida)
{
    const Clave clave { carta.size(), caida, pintor.device()->devicePixelRatioF() };
    auto guardada = m_sombras.constFind(clave);
    if (guardada == m_sombras.constEnd()) {
        if (m_sombras.size() >= kGuardadas)
            m_sombras.clear();
        guardada = m_sombras.insert(clave, dibujar(clave));
    }
    const int m = margen(caida);
    pintor.drawPixmap(carta.topLeft() - QPoint(m, m), *guardada);
}

QPixmap SombraDeCarta::dibujar(const Clave &clave)
{
    const int m = margen(clave.caida);
    const QSize lado = clave.carta + QSize(2 * m, 2 * m);
    QPixmap sombra = Lienzo::transparente(lado, clave.razon);
    QPainter p(&sombra);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    const QRectF r = QRectF(QPointF(m, m), QSizeF(clave.carta))
                         .translated(clave.caida * 0.6, clave.caida);
    for (int capa = 0; capa < 4; ++capa) {
        const qreal d = clave.caida * (1.0 - capa * 0.3);
        const QRectF capaR = r.adjusted(-d, -d, d, d);
        const qreal radio = CardPicture::radio(capaR.width());
        p.drawRoundedRect(capaR, radio, radio);
    }
    return sombra;
}
