// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// Text on the pictures, drawn as outlines so it is antialiased and can be squeezed to fit.
class ArtText
{
public:
    // DejaVu Sans, with the usual sans faces as fallback where it is missing.
    static QFont font(int pixelSize, QFont::Weight weight);
    // Digits scaled so their ink fills the box's height, squeezed sideways if too wide.
    static QPainterPath fitted(const QString &text, const QRectF &box);
    // A line of text at the given size with its capitals centred in the box.
    static QPainterPath centred(const QString &text, const QRectF &box, int pixelSize);

private:
    // Squeezes a path sideways, if needed, so it is no wider than the box, and moves it so
    // its centre lies on the box's centre.
    static QPainterPath placed(const QPainterPath &path, const QRectF &ink, const QRectF &box,
                               qreal scale);
};
