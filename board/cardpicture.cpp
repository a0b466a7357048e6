#include "cardpicture.h"

#include "picturecache.h"
#include "reversopropio.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

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

void CardPicture::paintEvent(QPaintEvent *)
{
    const QPixmap imagen = m_cache.imagen(m_ruta, size());
    if (imagen.isNull() && !m_cubierta)
        return; // a picture that cannot be read leaves its place empty
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF carta = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal r = radio(width());
    // Filling the rounded shape with the picture as its brush keeps the edge
    // antialiased, which a clip path would not, and hides the JPEG's corners.
    if (imagen.isNull()) {
        QPixmap propio(size());
        propio.fill(Qt::white);
        QPainter reverso(&propio);
        ReversoPropio::pintar(reverso, QRectF(propio.rect()));
        reverso.end();
        pintor.setBrush(propio);
    } else {
        pintor.setBrush(imagen);
    }
    pintor.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
    pintor.drawRoundedRect(carta, r, r);
    if (m_marcada) {
        const qreal grosor = std::max(2.0, width() / 26.0);
        pintor.setPen(QPen(QColor(255, 196, 0), grosor));
        pintor.setBrush(Qt::NoBrush);
        const qreal m = grosor / 2;
        pintor.drawRoundedRect(carta.adjusted(m, m, -m, -m), r, r);
    }
}

void CardPicture::mousePressEvent(QMouseEvent *event)
{
    if (m_arrastrable && event->button() == Qt::LeftButton) {
        arrastrar();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CardPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked(event->button());
}

void CardPicture::arrastrar()
{
    auto *datos = new QMimeData;
    datos->setData(kTipoArrastre, QByteArray::number(m_imagen.indice));
    auto *arrastre = new QDrag(this);
    arrastre->setMimeData(datos);
    const QPixmap imagen = m_cache.imagen(m_ruta, size());
    if (!imagen.isNull()) {
        arrastre->setPixmap(imagen);
        arrastre->setHotSpot(mapFromGlobal(QCursor::pos()));
    }
    arrastre->exec(Qt::MoveAction);
}
