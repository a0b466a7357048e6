#include "picturecache.h"

#include <QImage>
#include <QImageReader>
#include <algorithm>

namespace {
QPixmap decodificar(const QString &ruta, QSize tamano, qreal razon)
{
    const QSize enDispositivo = (QSizeF(tamano) * razon).toSize();
    QImageReader lector(ruta);
    const QSize original = lector.size();
    // Twice the device size leaves the smooth scaling below something to
    // average; any larger costs decode time and memory for nothing.
    if (original.isValid() && original.width() > enDispositivo.width())
        lector.setScaledSize(
            original.scaled(enDispositivo * 2, Qt::KeepAspectRatio).boundedTo(original));
    const QImage imagen = lector.read();
    if (imagen.isNull())
        return {};
    QPixmap resultado = QPixmap::fromImage(
        imagen.scaled(enDispositivo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    resultado.setDevicePixelRatio(razon);
    return resultado;
}

// A failed picture is kept too, so it is not decoded again at every repaint;
// it costs one byte.
qsizetype coste(const QPixmap &imagen)
{
    return std::max<qsizetype>(1, qsizetype(imagen.width()) * imagen.height() * imagen.depth() / 8);
}
} // namespace

PictureCache::PictureCache(qsizetype limiteBytes)
    : m_imagenes(limiteBytes)
{
}

QPixmap PictureCache::imagen(const QString &ruta, QSize tamano, qreal razon)
{
    if (ruta.isEmpty() || tamano.isEmpty())
        return {};
    const Clave clave { ruta, tamano, razon };
    if (const QPixmap *guardada = m_imagenes.object(clave))
        return *guardada;
    const QPixmap resultado = decodificar(ruta, tamano, razon);
    // A picture larger than the whole bound is shown but not kept.
    m_imagenes.insert(clave, new QPixmap(resultado), coste(resultado));
    return resultado;
}

void PictureCache::precargar(const QStringList &rutas, QSize tamano, qreal razon)
{
    for (const QString &ruta : rutas)
        imagen(ruta, tamano, razon);
}

bool PictureCache::legible(const QString &ruta)
{
    // A good header says nothing of the body: only a decode does. A small
    // decode reads every byte of a JPEG body all the same, at a fraction of the cost.
    QImageReader lector(ruta);
    const QSize original = lector.size();
    if (original.isValid())
        lector.setScaledSize(original.scaled(QSize(64, 64), Qt::KeepAspectRatio));
    return !lector.read().isNull();
}

void PictureCache::olvidar(const QString &ruta)
{
    const QList<Clave> claves = m_imagenes.keys();
    for (const Clave &clave : claves) {
        if (clave.ruta == ruta)
            m_imagenes.remove(clave);
    }
}

void PictureCache::olvidarFallidas()
{
    const QList<Clave> claves = m_imagenes.keys();
    for (const Clave &clave : claves) {
        if (const QPixmap *imagen = m_imagenes.object(clave); imagen && imagen->isNull())
            m_imagenes.remove(clave);
    }
}
