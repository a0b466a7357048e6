#include "cardpicture.h"

#include "picturecache.h"
#include "reversopropio.h"

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
    if (parentWidget())
        parentWidget()->update(geometry().adjusted(-8, -8, 8, 8)); // its shadow
}

void CardPicture::setSenalada(bool senalada)
{
    if (senalada == m_senalada)
        return;
    m_senalada = senalada;
    update();
}

void CardPicture::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    if (vaciaEnVuelo())
        return;
    const QPixmap imagen = m_cache.imagen(m_mientrasVuela.value_or(m_ruta), size(), devicePixelRatioF());
    // A picture that cannot be read leaves its place empty; a cover never does.
    if (!imagen.isNull() || m_cubierta)
        pintarCarta(pintor, imagen);
    if (hasFocus())
        pintarFoco(pintor);
}

void CardPicture::pintarCarta(QPainter &pintor, const QPixmap &imagen) const
{
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF carta = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal r = radio(width());
    // Filling the rounded shape with the picture as its brush keeps the edge
    // antialiased, which a clip path would not, and hides the JPEG's corners.
    if (imagen.isNull()) {
        QPixmap propio((QSizeF(size()) * devicePixelRatioF()).toSize());
        propio.setDevicePixelRatio(devicePixelRatioF());
        propio.fill(Qt::white);
        QPainter reverso(&propio);
        ReversoPropio::pintar(reverso, QRectF(rect()));
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
    if (m_senalada) {
        const qreal grosor = std::max(2.0, width() / 22.0);
        QPen pluma(QColor(0, 170, 255), grosor, Qt::DashLine);
        pluma.setCapStyle(Qt::FlatCap);
        pintor.setPen(pluma);
        pintor.setBrush(Qt::NoBrush);
        // Inside the mark's outline, so both show on one card.
        const qreal m = grosor * 1.5 + (m_marcada ? std::max(2.0, width() / 26.0) : 0.0);
        pintor.drawRoundedRect(carta.adjusted(m, m, -m, -m), r, r);
    }
}

void CardPicture::pintarFoco(QPainter &pintor) const
{
    // Thick enough to see on a 4K screen, with a dark inner line so it reads
    // on a light card and on the felt alike.
    const int grosor = std::max(3, std::min(width(), height()) / 14);
    const QRectF exterior
        = QRectF(rect()).adjusted(grosor / 2.0, grosor / 2.0, -grosor / 2.0, -grosor / 2.0);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBrush(Qt::NoBrush);
    pintor.setPen(QPen(QColor(255, 196, 0), grosor));
    pintor.drawRect(exterior);
    const qreal linea = std::max(1.5, grosor / 3.0);
    pintor.setPen(QPen(QColor(20, 20, 20), linea));
    const qreal dentro = grosor / 2.0 + linea / 2.0;
    pintor.drawRect(exterior.adjusted(dentro, dentro, -dentro, -dentro));
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
