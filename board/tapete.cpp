#include "tapete.h"

#include <QImageReader>
#include <algorithm>

void Tapete::setRuta(const QString &ruta)
{
    m_ruta = ruta;
    m_pintado = QPixmap();
}

void Tapete::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    m_pintado = QPixmap();
}

const QPixmap &Tapete::cubrir(QSize logico, qreal razon)
{
    const QSize tamano = (QSizeF(logico) * razon).toSize();
    if ((m_pintado.size() == tamano && m_pintado.devicePixelRatio() == razon) || m_ruta.isEmpty()
        || tamano.isEmpty())
        return m_pintado;
    QImageReader lector(m_ruta);
    const QSize original = lector.size();
    if (!original.isValid())
        return m_pintado;
    const QSize cubierto = original.scaled(tamano, Qt::KeepAspectRatioByExpanding);
    lector.setScaledSize(cubierto);
    QImage imagen = lector.read();
    if (imagen.isNull())
        return m_pintado;
    if (imagen.size() != cubierto)
        imagen = imagen.scaled(cubierto, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    imagen = imagen
                 .copy((cubierto.width() - tamano.width()) / 2,
                       (cubierto.height() - tamano.height()) / 2, tamano.width(), tamano.height())
                 .convertToFormat(QImage::Format_RGB32);
    if (m_color != kColorNeutro)
        tenir(imagen, m_color);
    m_pintado = QPixmap::fromImage(imagen);
    m_pintado.setDevicePixelRatio(razon);
    return m_pintado;
}

void Tapete::tenir(QImage &imagen, const QColor &color)
{
    // The middle of the drawn felt has about this lightness: there the chosen
    // colour shows as it is, the darker edges darker.
    constexpr int kLuzMedia = 90;
    for (int y = 0; y < imagen.height(); ++y) {
        auto *linea = reinterpret_cast<QRgb *>(imagen.scanLine(y));
        for (int x = 0; x < imagen.width(); ++x) {
            const QRgb p = linea[x];
            const int luz = (qRed(p) * 11 + qGreen(p) * 16 + qBlue(p) * 5) / 32;
            const auto canal = [luz](int c) { return std::min(255, c * luz / kLuzMedia); };
            linea[x] = qRgb(canal(color.red()), canal(color.green()), canal(color.blue()));
        }
    }
}
