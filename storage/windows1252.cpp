// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

// Bytes 0x80-0x9F.
constexpr std::array<char16_t, 32> kC1Block = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct Range
{
    char32_t first;
    char32_t last;
};

// Unicode's default-ignorable code points outside Windows-1252 (the soft hyphen is in it).
constexpr Range kIgnorable[] = {
    { 0x034F, 0x034F }, { 0x061C, 0x061C },   { 0x115F, 0x1160 },   { 0x17B4, 0x17B5 },
    { 0x180B, 0x180F }, { 0x200B, 0x200F },   { 0x202A, 0x202E },   { 0x2060, 0x206F },
    { 0x3164, 0x3164 }, { 0xFE00, 0xFE0F },   { 0xFEFF, 0xFEFF },   { 0xFFA0, 0xFFA0 },
    { 0xFFF0, 0xFFF8 }, { 0x1BCA0, 0x1BCA3 }, { 0x1D173, 0x1D17A }, { 0xE0000, 0xE0FFF },
};

bool ignorable(char32_t c)
{
    return std::any_of(std::begin(kIgnorable), std::end(kIgnorable),
                       [c](const Range &t) { return c >= t.first && c <= t.last; });
}

// The byte of a character of the basic plane, or none.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    const auto *it = std::find(kC1Block.begin(), kC1Block.end(), c);
    return it == kC1Block.end() ? -1 : 0x80 + static_cast<int>(it - kC1Block.begin());
}

} // namespace

QString Windows1252::decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? kC1Block[u - 0x80] : char16_t(u));
    }
    return text;
}

QByteArray Windows1252::encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t point = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            point = QChar::surrogateToUcs4(c, text[++i]);
        if (ignorable(point))
            continue;
        const int b = c.isSurrogate() ? -1 : byteOf(c.unicode());
        bytes.append(b < 0 ? kSubstitute : static_cast<char>(b));
    }
    return bytes;
}
