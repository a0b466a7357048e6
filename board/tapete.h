#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

// The felt under the board: its picture scaled to cover a whole area, centred,
// never stretched unevenly, and tinted with the chosen background colour.
class Tapete
{
public:
    // The colour that leaves the felt as it was drawn.
    static inline const QColor kColorNeutro { 224, 224, 224 };

    void setRuta(const QString &ruta);
    void setColor(const QColor &color);
    // Decoded at the size it covers on the device and kept until the size,
    // the pixel ratio or the colour changes.
    const QPixmap &cubrir(QSize tamano, qreal razon = 1.0);
    // The felt's light and shade carried over to the colour.
    static void tenir(QImage &imagen, const QColor &color);

private:
    QString m_ruta;
    QColor m_color = kColorNeutro;
    QPixmap m_pintado;
};
