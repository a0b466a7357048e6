// SPDX-License-Identifier: GPL-3.0-or-later

#include "colorvalue.h"

#include <array>
#include <utility>

namespace {

using Entrada = std::pair<QPalette::ColorGroup, QPalette::ColorRole>;

// System colours by number, in their order, each with the palette role that
// paints the same kind of surface or text.
constexpr std::array<Entrada, 31> kSistema { {
    { QPalette::Active, QPalette::Button }, // 0 scroll bar
    { QPalette::Active, QPalette::Dark }, // 1 desktop
    { QPalette::Active, QPalette::Highlight }, // 2 active caption
    { QPalette::Inactive, QPalette::Mid }, // 3 inactive caption
    { QPalette::Active, QPalette::Window }, // 4 menu
    { QPalette::Active, QPalette::Base }, // 5 window
    { QPalette::Active, QPalette::Shadow }, // 6 window frame
    { QPalette::Active, QPalette::WindowText }, // 7 menu text
    { QPalette::Active, QPalette::Text }, // 8 window text
    { QPalette::Active, QPalette::HighlightedText }, // 9 caption text
    { QPalette::Active, QPalette::Window }, // 10 active border
    { QPalette::Inactive, QPalette::Window }, // 11 inactive border
    { QPalette::Active, QPalette::Dark }, // 12 application workspace
    { QPalette::Active, QPalette::Highlight }, // 13 highlight
    { QPalette::Active, QPalette::HighlightedText }, // 14 highlighted text
    { QPalette::Active, QPalette::Button }, // 15 button face
    { QPalette::Active, QPalette::Dark }, // 16 button shadow
    { QPalette::Disabled, QPalette::Text }, // 17 grey text
    { QPalette::Active, QPalette::ButtonText }, // 18 button text
    { QPalette::Disabled, QPalette::WindowText }, // 19 inactive caption text
    { QPalette::Active, QPalette::Light }, // 20 button highlight
    { QPalette::Active, QPalette::Shadow }, // 21 3-D dark shadow
    { QPalette::Active, QPalette::Midlight }, // 22 3-D light
    { QPalette::Active, QPalette::ToolTipText }, // 23 tool tip text
    { QPalette::Active, QPalette::ToolTipBase }, // 24 tool tip background
    { QPalette::Active, QPalette::Window }, // 25 unused
    { QPalette::Active, QPalette::Link }, // 26 hot-tracked item
    { QPalette::Active, QPalette::Highlight }, // 27 active caption gradient
    { QPalette::Inactive, QPalette::Mid }, // 28 inactive caption gradient
    { QPalette::Active, QPalette::Highlight }, // 29 menu highlight
    { QPalette::Active, QPalette::Window }, // 30 menu bar
} };

constexpr quint32 kMascaraSistema = 0x7FFFFF00u;

} // namespace

QColor ColorValue::toQColor(qint32 valor, const QPalette &paleta)
{
    const auto bits = static_cast<quint32>(valor);
    if (esColorDeSistema(valor)) {
        const quint32 indice = bits & 0xFFu;
        if ((bits & kMascaraSistema) != 0 || indice >= kSistema.size())
            return paleta.color(QPalette::Active, QPalette::Window);
        const Entrada &e = kSistema.at(indice);
        return paleta.color(e.first, e.second);
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

qint32 ColorValue::fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}
