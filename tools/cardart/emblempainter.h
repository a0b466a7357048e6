// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palo.h"
#include "pip.h"
#include "suitemblem.h"

#include <array>
#include <memory>

class QPainter;
class QTransform;

// Places a suit's emblem on a card: moves it to the pip's centre, turns and scales it.
class EmblemPainter
{
public:
    EmblemPainter();
    ~EmblemPainter();

    void paint(QPainter &painter, Palo palo, const Pip &pip, SuitEmblem::Detail detail) const;
    // The emblem's outer shape where paint() puts it, in card pixels.
    QPainterPath outline(Palo palo, const Pip &pip, SuitEmblem::Detail detail) const;

private:
    static QTransform placement(const Pip &pip);
    const SuitEmblem &emblem(Palo palo) const;

    std::array<std::unique_ptr<SuitEmblem>, 4> m_emblems;
};
