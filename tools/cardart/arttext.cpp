// SPDX-License-Identifier: GPL-3.0-or-later

#include "arttext.h"

#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>

QFont ArtText::font(int pixelSize, QFont::Weight weight)
{
    QFont f;
    f.setFamilies({ QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Noto Sans"), QStringLiteral("sans-serif") });
    f.setStyleHint(QFont::SansSerif);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferQuality));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    return f;
}

QPainterPath ArtText::fitted(const QString &text, const QRectF &box)
{
    QPainterPath path;
    path.addText(0, 0, font(100, QFont::Bold), text);
    const QRectF ink = path.boundingRect();
    return placed(path, ink, box, box.height() / ink.height());
}

QPainterPath ArtText::centred(const QString &text, const QRectF &box, int pixelSize)
{
    const QFont f = font(pixelSize, QFont::Bold);
    QPainterPath path;
    path.addText(0, 0, f, text);
    // Centre on the capitals, not on the ink, so a descender does not lift the word.
    const qreal cap = QFontMetricsF(f).capHeight();
    const QRectF ink = path.boundingRect();
    return placed(path, QRectF(ink.left(), -cap, ink.width(), cap), box, 1.0);
}

QPainterPath ArtText::placed(const QPainterPath &path, const QRectF &ink, const QRectF &box,
                             qreal scale)
{
    const qreal sx = std::min(scale, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, scale);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}
