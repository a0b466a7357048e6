// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <optional>

// The looks a card can be drawn in. Each face style has a folder of its own beside the
// program, holding the forty faces under the names the card database gives them; each back
// a file of its own.
enum class FaceStyle {
    Modern, // the figures' names in Spanish on a ribbon
    ModernEnglish, // the same, named in English
    Traditional, // no word: an arched panel, the rank's sign above and below the emblem
};
enum class BackStyle { Claret, Blue, Green };

class CardStyles
{
public:
    static constexpr std::array<FaceStyle, 3> faces { FaceStyle::Modern, FaceStyle::ModernEnglish,
                                                      FaceStyle::Traditional };
    static constexpr std::array<BackStyle, 3> backs { BackStyle::Claret, BackStyle::Blue,
                                                      BackStyle::Green };

    // "naipes" for the modern faces, the folder the card database names.
    static QString folder(FaceStyle style);
    static std::optional<FaceStyle> fromFolder(const QString &folder);
    // The claret back is dibujo.jpg, the back the game always had.
    static QString backFile(BackStyle style);
    // The figure's word for 10, 11 and 12; empty where the style writes none.
    static QString figureWord(FaceStyle style, int numero);
    static QColor faceColour(FaceStyle style);
};
