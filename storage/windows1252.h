// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the 8-bit code of the item files, converted as Qt's ICU-backed
// "windows-1252" codec converts it (but for broken UTF-16, see encode). Our own table: at start the
// game reads one small file in this code, and ICU's converter brought a megabyte of its code and
// data into memory for it.
namespace Windows1252 {

// The byte the encoder puts in place of a character the code lacks (ASCII SUB).
inline constexpr char kSubstitute = '\x1a';

// Every byte is one character: 0x80-0x9F the code's own letters and signs (the five it leaves
// unassigned stand for the control characters of the same number), the rest as in Latin-1.
QString decode(QByteArrayView bytes);

// One byte a character. A character the code lacks (one outside the basic plane counts once)
// and each lone surrogate become kSubstitute (ICU drops one at the very end); the invisible
// characters that Unicode lets a converter ignore (joiners, variation selectors, direction marks,
// tags ...) are left out.
QByteArray encode(QStringView text);

} // namespace Windows1252
