// SPDX-License-Identifier: GPL-3.0-or-later

#include "tapete.h"

#include <QImageReader>
#include <algorithm>

QImage Tapete::cubrir(const QString &ruta, const QColor &color, QSize tamano)
{
    if (ruta.isEmpty() || tamano.isEmpty())
        return {};
    QImageReader lector(ruta);
    const QSize original = lector.size();
    if (!original.isValid())
        return {};
    const QSize cubierto = original.scaled(tamano, Qt::KeepAspectRatioByExpanding);
    lector.setScaledSize(cubierto);
    QImage imagen = lector.read();
    if (imagen.isNull())
        return {};
    if (imagen.size() != cubierto)
        imagen = imagen.scaled(cubierto, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    imagen = imagen
                 .copy((cubierto.width() - tamano.width()) / 2,
                       (cubierto.height() - tamano.height()) / 2, tamano.width(), tamano.height())
                 .convertToFormat(QImage::Format_RGB32);
    if (color != kColorNeutro)
        tenir(imagen, color);
    return imagen;
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
