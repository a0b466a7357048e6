#pragma once

#include "backgroundpainter.h"
#include "cardbackpainter.h"
#include "cardfacepainter.h"
#include "emblempainter.h"
#include "iconpainter.h"

#include <QDir>

class QImage;

// Writes every picture the game loads into the folder beside the program.
class ArtWriter
{
public:
    explicit ArtWriter(const QString &outputDir);

    // Throws ArtError on the first picture that cannot be drawn or written.
    void writeAll() const;

private:
    void writeFaces() const;
    void writeBack() const;
    void writeBackgrounds() const;
    void writeIcons() const;
    static QImage cardCanvas();
    void save(const QImage &image, const QString &name) const;

    QDir m_dir;
    EmblemPainter m_emblems;
    CardFacePainter m_faces;
    CardBackPainter m_back;
    BackgroundPainter m_backgrounds;
    IconPainter m_icons;
};
