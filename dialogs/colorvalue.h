// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// Colours as the preferences keep them: &H00BBGGRR, red in the low byte. A
// negative value &H800000nn names system colour nn, which here is the role of
// the widget's palette that plays the same part.
class ColorValue
{
public:
    ColorValue() = delete;

    static bool esColorDeSistema(qint32 valor) { return valor < 0; }
    // A system colour the palette has no match for shows as its window colour.
    static QColor toQColor(qint32 valor, const QPalette &paleta);
    // Always a plain colour value; alpha is dropped.
    static qint32 fromQColor(const QColor &color);
};
