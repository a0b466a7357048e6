// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class EmblemPainter;

// The board's green cloth and the results window's background.
class BackgroundPainter
{
public:
    explicit BackgroundPainter(const EmblemPainter &emblems);

    // Middle tone of the cloth; the corners of the card pictures are filled with it so a
    // card's rounded corners blend into the board.
    static constexpr QColor clothColour { 0x1E, 0x64, 0x36 };

    // Green felt, lighter in the middle and darker towards the edges.
    QImage cloth(const QSize &size) const;
    // A calm lilac wash with the four suits faintly along the foot.
    QImage results(const QSize &size) const;

private:
    static int grain(int x, int y);
    static int fibre(int x, int y);
    void paintSuitRow(QImage &image) const;

    const EmblemPainter &m_emblems;
};
