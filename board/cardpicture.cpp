#include "cardpicture.h"

#include "picturecache.h"

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

void CardPicture::paintEvent(QPaintEvent *)
{
    const QPixmap imagen = m_cache.imagen(m_ruta, size());
    if (imagen.isNull())
        return; // a picture that cannot be read leaves its place empty
    QPainter pintor(this);
    pintor.drawPixmap(0, 0, imagen);
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
