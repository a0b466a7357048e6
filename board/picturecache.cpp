#include "picturecache.h"

#include <QImage>
#include <QImageReader>

QPixmap PictureCache::imagen(const QString &ruta, QSize tamano, qreal razon)
{
    if (ruta.isEmpty() || tamano.isEmpty())
        return {};
    const Clave clave { ruta, tamano, razon };
    if (const auto it = m_imagenes.constFind(clave); it != m_imagenes.constEnd())
        return *it;
    const QSize enDispositivo = (QSizeF(tamano) * razon).toSize();
    QImageReader lector(ruta);
    const QSize original = lector.size();
    // Twice the device size leaves the smooth scaling below something to
    // average; any larger costs decode time and memory for nothing.
    if (original.isValid() && original.width() > enDispositivo.width())
        lector.setScaledSize(
            original.scaled(enDispositivo * 2, Qt::KeepAspectRatio).boundedTo(original));
    QImage imagen = lector.read();
    QPixmap resultado;
    if (!imagen.isNull()) {
        resultado = QPixmap::fromImage(
            imagen.scaled(enDispositivo, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        resultado.setDevicePixelRatio(razon);
    }
    m_imagenes.insert(clave, resultado);
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
    m_imagenes.removeIf([&ruta](const auto &par) { return par.key().ruta == ruta; });
}
