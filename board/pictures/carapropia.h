// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cardfacepainter.h"
#include "emblempainter.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>

// A card's face drawn by the game itself with the very painter the build draws the card
// pictures with: what the board shows of a card whose picture cannot be read, so the card
// still reads as itself and not as a blank.
class CaraPropia
{
public:
    CaraPropia();
    CaraPropia(const CaraPropia &) = delete;
    CaraPropia &operator=(const CaraPropia &) = delete;

    // The face at the given size in device pixels, in the style of the folder of faces
    // named (the modern one for any other); a null image for a card the drawing does not
    // know (a suit or number outside the Spanish deck).
    QImage dibujar(std::int16_t numero, const QString &palo, QSize tamano,
                   const QString &carpeta = {}) const;

private:
    EmblemPainter m_emblemas;
    CardFacePainter m_caras; // draws with m_emblemas, so it comes after it
};
