// SPDX-License-Identifier: GPL-3.0-or-later

#include "emblempainter.h"

#include "clubemblem.h"
#include "coinemblem.h"
#include "cupemblem.h"
#include "swordemblem.h"

#include <QPainter>
#include <QTransform>

EmblemPainter::EmblemPainter()
    : m_emblems { std::make_unique<CoinEmblem>(), std::make_unique<CupEmblem>(),
                  std::make_unique<SwordEmblem>(), std::make_unique<ClubEmblem>() }
{
}

EmblemPainter::~EmblemPainter() = default;

void EmblemPainter::paint(QPainter &painter, Palo palo, const Pip &pip,
                          SuitEmblem::Detail detail) const
{
    painter.save();
    painter.setTransform(placement(pip), true);
    emblem(palo).paint(painter, detail);
    painter.restore();
}

QPainterPath EmblemPainter::outline(Palo palo, const Pip &pip, SuitEmblem::Detail detail) const
{
    return placement(pip).map(emblem(palo).silhouette(detail));
}

QTransform EmblemPainter::placement(const Pip &pip)
{
    QTransform t;
    t.translate(pip.centre.x(), pip.centre.y());
    t.rotate(pip.angle);
    t.scale(pip.size / 100, pip.size / 100);
    return t;
}

// The array follows the order of Palo.
const SuitEmblem &EmblemPainter::emblem(Palo palo) const
{
    return *m_emblems.at(static_cast<std::size_t>(palo));
}
