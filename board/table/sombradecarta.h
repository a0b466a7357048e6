// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QPixmap>
#include <QRegion>

class QPainter;

// A card's soft shadow, below and right of it in a few faint layers. Each
// size of shadow is drawn once and kept: the board shows one under every card
// in sight at every repaint, and a flight at every frame.
class SombraDeCarta
{
public:
    // The margin round a card that its shadow may reach, for a fall of this length.
    static int margen(qreal caida);
    // The shadow of a card lying at the given place, falling this far, where
    // it meets zona (the part being painted); the card is painted over it.
    void pintar(QPainter &pintor, const QRect &carta, qreal caida, const QRegion &zona);
    // The whole shadow of a card of this size, from margen() above and left of
    // the card, at the given pixel ratio.
    static QPixmap entera(QSize carta, qreal caida, qreal razon);

private:
    struct Clave
    {
        QSize carta;
        qreal caida;
        qreal razon;
        bool operator==(const Clave &) const = default;
    };
    friend size_t qHash(const Clave &clave, size_t semilla)
    {
        return qHashMulti(semilla, clave.carta.width(), clave.carta.height(), clave.caida,
                          clave.razon);
    }

    static QRegion visible(const QRect &carta, qreal caida);

    QHash<Clave, QPixmap> m_sombras;
};
