// SPDX-License-Identifier: GPL-3.0-or-later

#include "sombradecarta.h"

#include "cardpicture.h"
#include "lienzo.h"
#include "tiras.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {
// A board at one size shows cards of two sizes (at rest and enlarged), with
// a second fall for flights; every new board size starts the set again.
constexpr qsizetype kGuardadas = 8;
// The shadow falls this much to the right for each unit it falls down, and its
// widest layer spreads this many units round the fallen card.
constexpr qreal kDesvio = 0.6;
constexpr qreal kAnchoCapas = 1.0;
} // namespace

int SombraDeCarta::margen(qreal caida)
{
    return static_cast<int>(std::ceil(caida * 2)) + 1;
}

void SombraDeCarta::pintar(QPainter &pintor, const QRect &carta, qreal caida, const QRegion &zona)
{
    const Clave clave { carta.size(), caida, pintor.device()->devicePixelRatioF() };
    auto guardada = m_sombras.constFind(clave);
    if (guardada == m_sombras.constEnd()) {
        if (m_sombras.size() >= kGuardadas)
            m_sombras.clear();
        guardada = m_sombras.insert(clave, entera(clave.carta, clave.caida, clave.razon));
    }
    const int m = margen(caida);
    const QPoint esquina = carta.topLeft() - QPoint(m, m);
    const qreal razon = guardada->devicePixelRatio();
    // Pieces cut on whole pixels only: at a fractional ratio their seams
    // would show as lines in the shadow.
    if (razon != std::floor(razon)) {
        pintor.drawPixmap(esquina, *guardada);
        return;
    }
    const int r = static_cast<int>(razon);
    // Piece by piece of what is painted: a piece crossing the gaps of the
    // region would reach the engine in as many pieces on every row.
    for (const QRect &trozo : visible(carta, caida) & zona) {
        const QRect fuente = trozo.translated(-esquina);
        Tiras::dibujar(pintor, trozo, *guardada, QRect(fuente.topLeft() * r, fuente.size() * r));
    }
}

// The card hides its shadow but for its rounded corners and the soft pixel of
// its edge, and the shadow reaches only as far as its widest layer falls: the
// rest is never blended, which spares most of it.
QRegion SombraDeCarta::visible(const QRect &carta, qreal caida)
{
    const qreal ancho = caida * kAnchoCapas;
    const QRect alcance = QRectF(carta)
                              .translated(caida * kDesvio, caida)
                              .adjusted(-ancho - 1, -ancho - 1, ancho + 1, ancho + 1)
                              .toAlignedRect();
    const int curva = static_cast<int>(std::ceil(CardPicture::radio(carta.width())));
    QRegion zona(alcance);
    zona -= QRegion(carta.adjusted(curva, 1, -curva, -1));
    zona -= QRegion(carta.adjusted(1, curva, -1, -curva));
    return zona;
}

QPixmap SombraDeCarta::entera(QSize carta, qreal caida, qreal razon)
{
    const int m = margen(caida);
    const QSize lado = carta + QSize(2 * m, 2 * m);
    QPixmap sombra = Lienzo::transparente(lado, razon);
    QPainter p(&sombra);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 28));
    const QRectF r = QRectF(QPointF(m, m), QSizeF(carta))
                         .translated(caida * kDesvio, caida);
    for (int capa = 0; capa < 4; ++capa) {
        const qreal d = caida * (kAnchoCapas - capa * 0.3);
        const QRectF capaR = r.adjusted(-d, -d, d, d);
        const qreal radio = CardPicture::radio(capaR.width());
        p.drawRoundedRect(capaR, radio, radio);
    }
    return sombra;
}
