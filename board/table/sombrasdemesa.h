// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sombradecarta.h"

#include <QHash>
#include <QObject>
#include <QRect>

class CardPicture;
class QPainter;
class QRegion;
class QWidget;

// The shadows of a table's cards: each card followed shows a shadow on the
// table, repainted wherever the card shows, hides, moves or changes size.
class SombrasDeMesa : public QObject
{
    Q_OBJECT

public:
    explicit SombrasDeMesa(QWidget &mesa);

    void seguir(CardPicture *carta);
    // How far the shadows fall, in pixels.
    void setCaida(qreal caida) { m_caida = caida; }
    // The shadows of the cards in sight where they meet zona, under the cards.
    void pintar(QPainter &p, const QRegion &zona);

protected:
    bool eventFilter(QObject *objeto, QEvent *event) override;

private:
    QRect conSombra(const QRect &carta) const;
    // Repaints the shadow where the card was and where it is now.
    void movida(const CardPicture *carta);

    QWidget &m_mesa;
    SombraDeCarta m_sombra;
    qreal m_caida = 1;
    // Where each card was last: a new geometry comes as a move and a resize, each
    // knowing only its own half of the old place.
    QHash<const CardPicture *, QRect> m_lugares;
};
