// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

class QPainter;

// An icon as a vector file: drawn with the same strokes as its pictures on the
// icons' 48-unit design square, so it stays sharp at any size it is shown.
class SvgIcon
{
public:
    // Throws ArtError when the file cannot be written.
    static void write(const QString &path, const QString &title,
                      const std::function<void(QPainter &)> &paint);
};
