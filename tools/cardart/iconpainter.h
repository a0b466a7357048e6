// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palo.h"

#include <QColor>
#include <QImage>

class CardFacePainter;
class EmblemPainter;
class QPainter;
class QPointF;

// Toolbar and program icons: flat shapes on a transparent ground, drawn for any size from
// one design.
// Every icon is designed on a 48-unit square (designSize) and scaled to the size asked for.
class IconPainter
{
public:
    IconPainter(const CardFacePainter &faces, const EmblemPainter &emblems);

    // Each icon on any paint device whose coordinates span the 48-unit design
    // square (a vector file, for one).
    // New game: two fanned cards with a plus badge.
    void paintNuevo(QPainter &painter) const;
    // Start the external program: a play triangle in a round button.
    static void paintRun(QPainter &painter);
    // Quit: a power sign in a red round button.
    static void paintSalir(QPainter &painter);
    // The program: the aces of swords and coins, fanned.
    void paintProgram(QPainter &painter) const;
    // The program's icon as a picture of the given side.
    QImage program(int size) const;
    static constexpr qreal designSize = 48;

private:
    static constexpr QColor outlineColour { 0x2C, 0x28, 0x24 };

    static void paintRoundButton(QPainter &painter, const QColor &colour);
    void paintMiniCard(QPainter &painter, const QPointF &centre, qreal angle, Palo palo) const;
    void paintFace(QPainter &painter, const QPointF &centre, qreal angle, Palo palo) const;

    const CardFacePainter &m_faces;
    const EmblemPainter &m_emblems;
};
