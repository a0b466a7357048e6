// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "backgroundpainter.h"
#include "cardbackpainter.h"
#include "cardfacepainter.h"
#include "cardgeometry.h"
#include "cardstyles.h"
#include "emblempainter.h"
#include "iconpainter.h"

#include <QDir>

#include <QImage>
#include <QPainter>

// Writes every picture the game loads into the folder beside the program.
class ArtWriter
{
public:
    // Cards are drawn at this multiple of their design size, so they stay sharp
    // on a 4K board, where they are shown at about 290 x 440.
    static constexpr int cardScale = 2;
    static constexpr QSize cardSize = CardGeometry::size * cardScale;
    // The felt covers a 3840 x 2160 window without being enlarged.
    static constexpr QSize clothSize { 3840, 2744 };

    explicit ArtWriter(const QString &outputDir);

    // Throws ArtError on the first picture that cannot be drawn or written.
    void writeAll() const;

private:
    void writeFaces(FaceStyle style) const;
    void writeFace(FaceStyle style, Palo palo, int numero) const;
    void writeBack(BackStyle style) const;
    void writeBackgrounds() const;
    void writeIcons() const;
    static QImage cardCanvas();
    static void inCardUnits(QPainter &painter);
    static QString faceName(FaceStyle style, Palo palo, int numero);
    void save(const QImage &image, const QString &name) const;
    void copy(const QString &from, const QString &to) const;

    QDir m_dir;
    EmblemPainter m_emblems;
    CardFacePainter m_faces;
    CardBackPainter m_back;
    BackgroundPainter m_backgrounds;
    IconPainter m_icons;
};
