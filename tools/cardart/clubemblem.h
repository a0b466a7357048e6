// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "suitemblem.h"

#include <QList>

// Bastos: a knotted wooden club, thick end up, with cut-off side branches and a sprig of
// green leaves.
class ClubEmblem : public SuitEmblem
{
public:
    void paint(QPainter &painter, Detail detail) const override;
    QPainterPath silhouette(Detail detail) const override;

private:
    static constexpr QColor woodColour { 0xB4, 0x80, 0x4A };
    static constexpr QColor woodShade { 0x84, 0x57, 0x2A };
    static constexpr QColor woodLight { 0xD2, 0xA3, 0x6C };
    static constexpr QColor woodOutline { 0x46, 0x27, 0x0E };
    static constexpr QColor cutColour { 0xF2, 0xCF, 0x92 };
    static constexpr QColor leafColour { 0x4C, 0x9E, 0x34 };
    static constexpr QColor leafShade { 0x2E, 0x72, 0x22 };
    static constexpr QColor leafOutline { 0x1C, 0x40, 0x14 };

    // A side branch leaving the trunk at base, slanted by angle degrees from upright.
    struct Branch
    {
        QPointF base;
        qreal angle;
    };

    static QPainterPath trunk();
    static QList<Branch> stubs(Detail detail);
    static QList<Branch> leaves(Detail detail);
    // A shape drawn upright at the origin, moved onto a branch's base and slant.
    static QPainterPath turned(const QPainterPath &path, const QPointF &base, qreal angle);
    static QPainterPath stub(const Branch &branch);
    static QPainterPath leaf(const Branch &branch);
    static void paintTrunk(QPainter &painter, Detail detail);
    static void paintStub(QPainter &painter, const Branch &branch, Detail detail);
    static void paintLeaf(QPainter &painter, const Branch &branch, Detail detail);
};
