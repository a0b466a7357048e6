// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardstyles.h"

#include "cardblank.h"

QString CardStyles::folder(FaceStyle style)
{
    switch (style) {
    case FaceStyle::Modern:
        break;
    case FaceStyle::ModernEnglish:
        return QStringLiteral("naipes-en");
    case FaceStyle::Traditional:
        return QStringLiteral("naipes-tradicional");
    }
    return QStringLiteral("naipes");
}

std::optional<FaceStyle> CardStyles::fromFolder(const QString &name)
{
    for (FaceStyle style : faces) {
        if (folder(style) == name)
            return style;
    }
    return std::nullopt;
}

QString CardStyles::backFile(BackStyle style)
{
    switch (style) {
    case BackStyle::Claret:
        break;
    case BackStyle::Blue:
        return QStringLiteral("reversos/azul.jpg");
    case BackStyle::Green:
        return QStringLiteral("reversos/verde.jpg");
    }
    return QStringLiteral("dibujo.jpg");
}

// In English the Sota is the Knave, as the Spanish deck's page is called there; the Caballo
// rides as the Knight.
QString CardStyles::figureWord(FaceStyle style, int numero)
{
    static const char *const spanish[] = { "Sota", "Caballo", "Rey" };
    static const char *const english[] = { "Knave", "Knight", "King" };
    if (numero < 10 || numero > 12 || style == FaceStyle::Traditional)
        return {};
    const auto &words = style == FaceStyle::ModernEnglish ? english : spanish;
    return QLatin1String(words[numero - 10]);
}

// The traditional faces are printed on an ivory card, warmer than the modern white.
QColor CardStyles::faceColour(FaceStyle style)
{
    return style == FaceStyle::Traditional ? QColor(0xFB, 0xF3, 0xDE) : CardBlank::faceColour;
}
