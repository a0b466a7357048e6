// SPDX-License-Identifier: GPL-3.0-or-later

#include "backgroundpainter.h"

#include "emblempainter.h"
#include "suitstyle.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

BackgroundPainter::BackgroundPainter(const EmblemPainter &emblems)
    : m_emblems(emblems)
{
}

QImage BackgroundPainter::cloth(const QSize &size) const
{
    const QColor middle(0x2A, 0x80, 0x47);
    const QColor edge(0x11, 0x45, 0x24);
    QImage image(size, QImage::Format_RGB32);
    const double cx = size.width() / 2.0;
    const double cy = size.height() / 2.0;
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double dx = (x - cx) / cx;
            const double dy = (y - cy) / cy;
            const double t = std::min(1.0, std::pow((dx * dx + dy * dy) / 2.0, 0.8) * 1.3);
            const int shade = grain(x, y) + fibre(x, y);
            auto mix = [&](int a, int b) {
                return std::clamp(static_cast<int>(a + (b - a) * t) + shade, 0, 255);
            };
            line[x] = qRgb(mix(middle.red(), edge.red()), mix(middle.green(), edge.green()),
                           mix(middle.blue(), edge.blue()));
        }
    }
    return image;
}

// Fine grain, the same on every build: a hash of the position, -3 to 3.
int BackgroundPainter::grain(int x, int y)
{
    std::uint32_t h
        = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) % 7) - 3;
}

// A faint woven look: alternate diagonals a shade lighter.
int BackgroundPainter::fibre(int x, int y)
{
    return ((x + y) % 4 == 0) ? 2 : (((x - y) % 4 == 0) ? -1 : 0);
}

QImage BackgroundPainter::results(const QSize &size) const
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wash(0, 0, 0, size.height());
    wash.setColorAt(0, QColor(0xEE, 0xEA, 0xF5));
    wash.setColorAt(1, QColor(0xC9, 0xC0, 0xDE));
    painter.fillRect(image.rect(), wash);
    painter.setPen(QPen(QColor(0xA9, 0x9C, 0xCB), 1.5));
    painter.drawRoundedRect(QRectF(image.rect()).adjusted(6, 6, -6, -6), 6, 6);
    painter.end();
    paintSuitRow(image);
    return image;
}

void BackgroundPainter::paintSuitRow(QImage &image) const
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(0.28);
    const qreal y = image.height() - 30;
    const qreal step = 34;
    qreal x = image.width() / 2.0 - 1.5 * step;
    for (Palo palo : SuitStyle::all) {
        const bool isLong = palo == Palo::Espadas || palo == Palo::Bastos;
        m_emblems.paint(painter, palo,
                        Pip { QPointF(x, y), isLong ? 40.0 : 26.0, isLong ? 30.0 : 0 },
                        SuitEmblem::Detail::Pip);
        x += step;
    }
}
