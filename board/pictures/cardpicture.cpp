// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardpicture.h"

#include "cardgeometry.h"
#include "lienzo.h"
#include "picturecache.h"
#include "reversopropio.h"
#include "tiras.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

const QString CardPicture::kTipoArrastre = QStringLiteral("application/x-zelbo-carta");

CardPicture::CardPicture(Imagen imagen, PictureCache &cache, QWidget *parent)
    : QWidget(parent)
    , m_imagen(imagen)
    , m_cache(cache)
{
}

void CardPicture::setRuta(const QString &ruta)
{
    if (ruta == m_ruta)
        return;
    m_ruta = ruta;
    update();
}

void CardPicture::setMarcada(bool marcada)
{
    if (marcada == m_marcada)
        return;
    m_marcada = marcada;
    update();
}

void CardPicture::mostrarMientrasVuela(std::optional<QString> ruta)
{
    m_mientrasVuela = std::move(ruta);
    update();
    emit sombraCambiada();
}

void CardPicture::setSenalada(bool senalada)
{
    if (senalada == m_senalada)
        return;
    m_senalada = senalada;
    update();
}

void CardPicture::setFocoVisible(bool visible)
{
    if (visible == m_focoVisible)
        return;
    m_focoVisible = visible;
    if (hasFocus())
        update();
}

void CardPicture::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    if (vaciaEnVuelo() || (m_tapa && !m_tapa->isHidden()))
        return;
    const QPixmap imagen
        = m_cache.imagen(m_mientrasVuela.value_or(m_ruta), size(), devicePixelRatioF());
    // A picture that cannot be read leaves its place empty; a cover never does.
    if (!imagen.isNull() || m_cubierta)
        pintarCarta(pintor, imagen);
    if (muestraFoco())
        pintarFoco(pintor);
}

void CardPicture::pintarCarta(QPainter &pintor, const QPixmap &imagen)
{
    if (imagen.isNull()) {
        pintarReverso(pintor);
    } else {
        if (m_cubierta)
            pintarBase(pintor);
        Tiras::dibujar(pintor, QPoint(0, 0), imagen); // rounded and edged by the cache
    }
    if (!m_marcada && !m_senalada)
        return;
    // The outlines are kept drawn: a dashed curve costs more to draw than the card.
    const Contornos contornos { size(), devicePixelRatioF(), m_marcada, m_senalada };
    if (m_contornos.isNull() || !(contornos == m_aspectoContornos)) {
        m_aspectoContornos = contornos;
        m_contornos = dibujarContornos(contornos);
    }
    Tiras::dibujar(pintor, QPoint(0, 0), m_contornos);
}

QPixmap CardPicture::dibujarContornos(const Contornos &c)
{
    QPixmap pintado = Lienzo::transparente(c.tamano, c.razon);
    QPainter pintor(&pintado);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBrush(Qt::NoBrush);
    const qreal ancho = c.tamano.width();
    const QRectF carta = QRectF(QPointF(0, 0), QSizeF(c.tamano)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal r = radio(ancho);
    const qreal grosorMarca = std::max(2.0, ancho / 26.0);
    if (c.marcada) {
        // Not the focus frame's yellow: a marked card and a focused one never look alike.
        pintor.setPen(QPen(kColorMarca, grosorMarca));
        const qreal m = grosorMarca / 2;
        pintor.drawRoundedRect(carta.adjusted(m, m, -m, -m), r, r);
    }
    if (c.senalada) {
        // Along the card's edge, inside the mark's outline so that both show on one card,
        // and clear of the corner numbers: thinner on a marked card.
        const qreal fuera = c.marcada ? grosorMarca : 0.0;
        const qreal libre = numeroDeEsquina(QSizeF(c.tamano)).left() - fuera - 0.5;
        const qreal grosor = std::min(std::max(2.0, ancho / 22.0), libre);
        QPen pluma(QColor(0, 170, 255), grosor, Qt::DashLine);
        pluma.setCapStyle(Qt::FlatCap);
        pintor.setPen(pluma);
        const qreal m = fuera + grosor / 2;
        pintor.drawRoundedRect(carta.adjusted(m, m, -m, -m), r, r);
    }
    return pintado;
}

QRectF CardPicture::numeroDeEsquina(const QSizeF &tamano)
{
    const QRectF &caja = CardGeometry::numberBox;
    const qreal x = tamano.width() / CardGeometry::size.width();
    const qreal y = tamano.height() / CardGeometry::size.height();
    return { caja.left() * x, caja.top() * y, caja.width() * x, caja.height() * y };
}

void CardPicture::pintarReverso(QPainter &pintor) const
{
    pintor.setRenderHint(QPainter::Antialiasing);
    QPixmap propio((QSizeF(size()) * devicePixelRatioF()).toSize());
    propio.setDevicePixelRatio(devicePixelRatioF());
    propio.fill(Qt::white);
    QPainter reverso(&propio);
    ReversoPropio::pintar(reverso, QRectF(rect()));
    reverso.end();
    pintor.setBrush(propio);
    pintor.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
    const qreal r = radio(width());
    pintor.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
}

// The player's back may be see-through (a PNG with alpha): it is laid on an
// opaque blank card of the cache's shape, as if printed on one, so that nothing
// under the cover shows through it.
void CardPicture::pintarBase(QPainter &pintor) const
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(Qt::white, 1.0));
    pintor.setBrush(Qt::white);
    const qreal r = radio(width());
    pintor.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
    pintor.restore();
}

void CardPicture::pintarFoco(QPainter &pintor) const
{
    // Thick enough to see on a 4K screen, with a dark inner line so it reads
    // on a light card and on the felt alike. Bands of whole pixels: filled,
    // not stroked, as the focus moves at every key.
    const int grosor = std::max(3, std::min(width(), height()) / 14);
    const int linea = std::max(2, grosor / 3);
    pintarMarco(pintor, rect(), grosor, kColorFoco);
    pintarMarco(pintor, rect().adjusted(grosor, grosor, -grosor, -grosor), linea,
                QColor(20, 20, 20));
}

void CardPicture::pintarMarco(QPainter &pintor, const QRect &exterior, int grosor,
                              const QColor &color)
{
    const QRect r = exterior;
    pintor.fillRect(QRect(r.left(), r.top(), r.width(), grosor), color);
    pintor.fillRect(QRect(r.left(), r.bottom() + 1 - grosor, r.width(), grosor), color);
    pintor.fillRect(QRect(r.left(), r.top() + grosor, grosor, r.height() - 2 * grosor), color);
    pintor.fillRect(
        QRect(r.right() + 1 - grosor, r.top() + grosor, grosor, r.height() - 2 * grosor), color);
}

void CardPicture::mousePressEvent(QMouseEvent *event)
{
    if (m_arrastrable && event->button() == Qt::LeftButton)
        m_pulsadoEn = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void CardPicture::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pulsadoEn || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - *m_pulsadoEn).manhattanLength()
        < QApplication::startDragDistance())
        return;
    m_pulsadoEn.reset();
    arrastrar();
}

void CardPicture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool dobleClic = std::exchange(m_dobleClic, false);
    if (event->button() == Qt::LeftButton && m_arrastrable && !m_pulsadoEn)
        return; // the press became a drag, or never reached this picture
    m_pulsadoEn.reset();
    if (!dobleClic && rect().contains(event->position().toPoint()))
        emit clicked(event->button());
}

void CardPicture::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click: its first click was already told.
    m_dobleClic = true;
    event->accept();
}

void CardPicture::arrastrar()
{
    auto *datos = new QMimeData;
    datos->setData(kTipoArrastre, QByteArray::number(m_imagen.indice));
    auto *arrastre = new QDrag(this);
    arrastre->setMimeData(datos);
    const QPixmap imagen = m_cache.imagen(m_ruta, size(), devicePixelRatioF());
    if (!imagen.isNull()) {
        arrastre->setPixmap(imagen);
        arrastre->setHotSpot(mapFromGlobal(QCursor::pos()));
    }
    arrastre->exec(Qt::MoveAction);
}
