// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tapete.h"

#include <QColor>
#include <QPixmap>
#include <QString>

class Escala;

// What never moves on the board: the felt and the dark lines between the
// places, drawn into one picture for each board size, so that a repaint only
// copies the part it needs.
class FondoTablero
{
public:
    // A table without the lines shows the felt alone.
    explicit FondoTablero(bool lineas = true)
        : m_lineas(lineas)
    {
    }

    void setRuta(const QString &ruta);
    void setColor(const QColor &color);
    // The picture of a board of this size, drawn anew when the size, the
    // pixel ratio, the felt or its colour changed.
    const QPixmap &de(QSize tamano, qreal razon, const Escala &escala);

private:
    void dibujar(QSize tamano, qreal razon, const Escala &escala);

    bool m_lineas;
    QString m_ruta;
    QColor m_color = Tapete::kColorNeutro;
    QPixmap m_pintado;
};
