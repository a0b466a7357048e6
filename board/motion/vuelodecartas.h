// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardlist.h"
#include "sombradecarta.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <optional>

class CardPicture;
class PictureCache;
class QVariantAnimation;

// Cards on their way from one place of the board to another, painted over the
// board. The picture a card lands in paints nothing (or what it showed
// before, for a pile) until the card is there, so each card is seen once.
// It takes no mouse input: clicks reach the pictures below.
class VueloDeCartas : public QWidget
{
    Q_OBJECT

public:
    // What a landing hides meanwhile: a picture, and what it shows until then
    // (empty for nothing).
    struct Oculta
    {
        QPointer<CardPicture> imagen;
        QString mientras;
    };
    struct Vuelo
    {
        CardId carta = kSinCarta;
        QString ruta; // the face, or the back of a card that flies face down
        QRect desde;
        QRect hasta;
        bool aterriza = true; // false: it goes under a pile's top and vanishes
        QList<Oculta> ocultas;
    };

    VueloDeCartas(PictureCache &cache, QWidget *tablero);

    // Replaces a flight of the same card that is still under way.
    void volar(Vuelo vuelo, int milisegundos);
    void quitar(CardId carta);
    const Vuelo *vuelo(CardId carta) const;
    // Where the card is painted now.
    QRectF posicion(CardId carta) const;
    bool enCurso() const { return !m_vuelos.isEmpty(); }
    // What the cards in flight cover now, their shadows included.
    QRegion zona() const;
    // Every card to its place at once.
    void terminar();
    // Shows every flight as it stands the given time after it started.
    void irA(int milisegundos);

signals:
    void aterrizado();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct EnCurso
    {
        Vuelo vuelo;
        QVariantAnimation *animacion;
    };

    void alAvanzar(const QRect &antes, const QRectF &ahora);
    void alLlegar(QVariantAnimation *animacion);
    void descubrir(const Vuelo &vuelo);
    void pintarVuelo(QPainter &p, const Vuelo &vuelo, const QRectF &r, const QRegion &pintada);
    static qreal caida(qreal ancho);
    // A card's place with all that its shadow may reach.
    static QRect conSombra(const QRectF &carta);

    PictureCache &m_cache;
    SombraDeCarta m_sombra;
    QList<EnCurso> m_vuelos;
};
