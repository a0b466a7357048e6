#include "picturecache.h"

#include <QImage>
#include <QImageReader>

QPixmap PictureCache::imagen(const QString &ruta, QSize tamano)
{
    if (ruta.isEmpty() || tamano.isEmpty())
        return {};
    const Clave clave { ruta, tamano };
    if (const auto it = m_imagenes.constFind(clave); it != m_imagenes.constEnd())
        return *it;
    QImageReader lector(ruta);
    const QSize original = lector.size();
    if (original.isValid() && original.width() > tamano.width())
        lector.setScaledSize(original.scaled(tamano * 2, Qt::KeepAspectRatio).boundedTo(original));
    QImage imagen = lector.read();
    QPixmap resultado;
    if (!imagen.isNull())
        resultado = QPixmap::fromImage(
            imagen.scaled(tamano, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_imagenes.insert(clave, resultado);
    return resultado;
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
