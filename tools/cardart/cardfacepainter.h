// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardstyles.h"
#include "emblempainter.h"
#include "figurepainter.h"
#include "palo.h"
#include "piplayout.h"
#include "traditionalfigurepainter.h"

class QPainter;

// A card's face: blank, frame line with the suit's breaks, corner numbers, and either the
// emblems (1 to 7) or the figure panel (10 to 12) of the style.
class CardFacePainter
{
public:
    explicit CardFacePainter(const EmblemPainter &emblems);

    // Throws ArtError if an emblem would touch the frame line or a corner number: the layout
    // is then wrong and no such card may reach the game.
    void paint(QPainter &painter, Palo palo, int numero, FaceStyle style = FaceStyle::Modern) const;

private:
    static void paintFrame(QPainter &painter, Palo palo);
    static QPainterPath breaks(int count);
    static void paintNumbers(QPainter &painter, Palo palo, int numero);
    static SuitEmblem::Detail detail(int numero);
    static void checkClear(const QPainterPath &outline, Palo palo, int numero);

    const EmblemPainter &m_emblems;
    PipLayout m_layout;
    FigurePainter m_figures;
    TraditionalFigurePainter m_traditional;
};
