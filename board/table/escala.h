// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

// Maps board twips to pixels: 15 twips are one pixel at scale 1, and the whole
// board scales uniformly to fit the window.
class Escala
{
public:
    static constexpr qreal kTwipsPorPixel = 15.0;

    Escala() = default;
    Escala(qreal factor, QPoint origen);
    // The largest scale at which the board fits the size, centred in it.
    static Escala paraTamano(int ancho, int alto);

    qreal factor() const { return m_factor; }
    int px(int twips) const;
    QRect rect(const QRect &twips) const;
    QPoint punto(const QPoint &twips) const;
    // The system's sans-serif runs about a tenth wider than the narrow face the
    // board's boxes were sized for, so its sizes come down by that much.
    qreal puntos(qreal tamanoFuente) const { return tamanoFuente * m_factor * 0.9; }

private:
    qreal m_factor = 1.0;
    QPoint m_origen;
};
