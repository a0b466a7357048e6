// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturecache.h"

#include "boardlog.h"
#include "carapropia.h"
#include "cardpicture.h"
#include "regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace {
// The card's rounded shape and its faint edge, drawn once here rather than at
// every paint and every frame of a flight: the corners turn transparent and
// the picture is then shown by a plain copy. Filling the shape with the
// picture as its brush keeps the edge antialiased, which a clip would not.
QImage redondear(const QImage &imagen, qreal razon)
{
    QImage carta(imagen.size(), QImage::Format_ARGB32_Premultiplied);
    carta.fill(Qt::transparent);
    QPainter pintor(&carta);
    pintor.setRenderHint(QPainter::Antialiasing);
    const qreal radio = CardPicture::radio(carta.width());
    const qreal mitad = razon / 2;
    pintor.setBrush(imagen);
    pintor.setPen(QPen(QColor(0, 0, 0, 110), razon));
    pintor.drawRoundedRect(QRectF(carta.rect()).adjusted(mitad, mitad, -mitad, -mitad), radio,
                           radio);
    pintor.end();
    return carta;
}

// Read at twice the device size, which leaves the smooth scaling to the
// final size something to average; any larger costs decode time and memory
// for nothing.
QImage leer(const QString &ruta, QSize enDispositivo)
{
    // A FIFO chosen as the card back would never end its read.
    QFile archivo(ruta);
    if (!RegularFile::openForReading(archivo))
        return {};
    QImageReader lector(&archivo);
    const QSize original = lector.size();
    if (original.isValid() && original.width() > enDispositivo.width())
        lector.setScaledSize(
            original.scaled(enDispositivo * 2, Qt::KeepAspectRatio).boundedTo(original));
    return lector.read();
}

QPixmap terminar(const QImage &leida, QSize enDispositivo, qreal razon)
{
    if (leida.isNull())
        return {};
    QPixmap resultado = QPixmap::fromImage(redondear(
        leida.scaled(enDispositivo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), razon));
    resultado.setDevicePixelRatio(razon);
    return resultado;
}

QSize enDispositivo(QSize tamano, qreal razon)
{
    return (QSizeF(tamano) * razon).toSize();
}

// A failed picture is kept too, so it is not decoded again at every repaint;
// it costs one byte.
qsizetype coste(const QPixmap &imagen)
{
    return std::max<qsizetype>(1, qsizetype(imagen.width()) * imagen.height() * imagen.depth() / 8);
}
} // namespace

PictureCache::PictureCache(qsizetype limiteBytes)
    : m_propia(std::make_unique<CaraPropia>())
    , m_imagenes(limiteBytes)
{
}

PictureCache::~PictureCache() = default;

QPixmap PictureCache::imagen(const QString &ruta, QSize tamano, qreal razon)
{
    if (ruta.isEmpty() || tamano.isEmpty())
        return {};
    const Clave clave { ruta, tamano, razon };
    if (const QPixmap *guardada = m_imagenes.object(clave))
        return *guardada;
    QPixmap resultado = reducir(clave);
    if (resultado.isNull())
        resultado = terminar(leer(archivo(ruta), enDispositivo(tamano, razon)),
                             enDispositivo(tamano, razon), razon);
    if (resultado.isNull())
        resultado = propia(clave);
    guardar(clave, resultado);
    return resultado;
}

// The board shows cards at a few sizes a little apart: a smaller one is
// scaled from a larger one already kept, which costs a fraction of a decode.
QPixmap PictureCache::reducir(const Clave &buscada)
{
    const QList<Clave> claves = m_imagenes.keys();
    for (const Clave &clave : claves) {
        if (clave.ruta != buscada.ruta || clave.razon != buscada.razon
            || clave.tamano.width() < buscada.tamano.width()
            || clave.tamano.height() < buscada.tamano.height()
            || clave.tamano.width() > buscada.tamano.width() * 3 / 2)
            continue;
        const QPixmap *mayor = m_imagenes.object(clave);
        if (!mayor || mayor->isNull())
            continue;
        QPixmap reducida = QPixmap::fromImage(
            mayor->toImage().scaled(enDispositivo(buscada.tamano, buscada.razon),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        reducida.setDevicePixelRatio(buscada.razon);
        return reducida;
    }
    return {};
}

QPixmap PictureCache::propia(const Clave &clave)
{
    const auto cara = m_caras.constFind(clave.ruta);
    if (cara == m_caras.cend())
        return {};
    m_dibujadas.insert(clave.ruta);
    const QSize tamano = enDispositivo(clave.tamano, clave.razon);
    return terminar(m_propia->dibujar(cara->numero, cara->palo, tamano, m_carpetaDeCaras), tamano,
                    clave.razon);
}

bool PictureCache::setCarpetaDeCaras(const QString &carpeta)
{
    if (carpeta == m_carpetaDeCaras)
        return false;
    m_carpetaDeCaras = carpeta;
    quitar([this](const Clave &clave, const QPixmap &) { return m_caras.contains(clave.ruta); });
    return true;
}

// The style's folder stands beside the one the card set names, and holds the same names.
QString PictureCache::archivo(const QString &ruta) const
{
    if (m_carpetaDeCaras.isEmpty() || !m_caras.contains(ruta))
        return ruta;
    const QFileInfo cara(ruta);
    return QFileInfo(cara.path()).path() + QLatin1Char('/') + m_carpetaDeCaras + QLatin1Char('/')
        + cara.fileName();
}

void PictureCache::setCara(const QString &ruta, std::int16_t numero, const QString &palo)
{
    m_caras.insert(ruta, Cara { numero, palo });
    // A failure kept before the file was known as a face gives way to the drawn face.
    quitar([&ruta](const Clave &clave, const QPixmap &imagen) {
        return clave.ruta == ruta && imagen.isNull();
    });
}

void PictureCache::guardar(const Clave &clave, const QPixmap &imagen)
{
    // A picture larger than the whole bound is shown but not kept.
    m_imagenes.insert(clave, new QPixmap(imagen), coste(imagen));
}

void PictureCache::precargar(const QStringList &rutas, const QList<QSize> &tamanos, qreal razon)
{
    QSize mayor;
    for (const QSize &tamano : tamanos) {
        if (tamano.width() > mayor.width())
            mayor = tamano;
    }
    for (const QString &ruta : rutas)
        imagen(ruta, mayor, razon);
}

bool PictureCache::legible(const QString &ruta)
{
    // A good header says nothing of the body: only a decode does. A small
    // decode reads every byte of a JPEG body all the same, at a fraction of the cost.
    QFile archivo(ruta);
    QString motivo;
    if (!RegularFile::openForReading(archivo, &motivo)) {
        qCWarning(lcBoard).noquote() << QStringLiteral("%1: %2").arg(ruta, motivo);
        return false;
    }
    QImageReader lector(&archivo);
    const QSize original = lector.size();
    if (original.isValid())
        lector.setScaledSize(original.scaled(QSize(64, 64), Qt::KeepAspectRatio));
    if (!lector.read().isNull())
        return true;
    qCWarning(lcBoard).noquote() << QStringLiteral("%1: %2").arg(ruta, lector.errorString());
    return false;
}

bool PictureCache::renovar(const QString &ruta)
{
    const QFileInfo fichero(ruta);
    const Huella huella { fichero.exists() ? fichero.size() : -1, fichero.lastModified() };
    if (m_leidas.value(ruta) == huella && huella.tamano >= 0)
        return true;
    olvidar(ruta);
    m_leidas.remove(ruta);
    if (!legible(ruta))
        return false;
    m_leidas.insert(ruta, huella);
    return true;
}

void PictureCache::olvidar(const QString &ruta)
{
    quitar([&ruta](const Clave &clave, const QPixmap &) { return clave.ruta == ruta; });
}

void PictureCache::olvidarFallidas()
{
    quitar([this](const Clave &clave, const QPixmap &imagen) {
        return imagen.isNull() || m_dibujadas.contains(clave.ruta);
    });
    m_dibujadas.clear();
}

void PictureCache::quitar(const std::function<bool(const Clave &, const QPixmap &)> &si)
{
    const QList<Clave> claves = m_imagenes.keys();
    for (const Clave &clave : claves) {
        if (const QPixmap *imagen = m_imagenes.object(clave); imagen && si(clave, *imagen))
            m_imagenes.remove(clave);
    }
}
