// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwriter.h"

#include "arterror.h"
#include "cardgeometry.h"
#include "programiconwriter.h"
#include "suitstyle.h"
#include "svgicon.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

ArtWriter::ArtWriter(const QString &outputDir)
    : m_dir(outputDir)
    , m_faces(m_emblems)
    , m_backgrounds(m_emblems)
    , m_icons(m_faces, m_emblems)
{
}

void ArtWriter::writeAll() const
{
    for (FaceStyle style : CardStyles::faces)
        writeFaces(style);
    for (BackStyle style : CardStyles::backs)
        writeBack(style);
    writeBackgrounds();
    writeIcons();
}

void ArtWriter::writeFaces(FaceStyle style) const
{
    for (Palo palo : SuitStyle::all) {
        for (int numero : { 1, 2, 3, 4, 5, 6, 7, 10, 11, 12 }) {
            // The English modern set differs from the Spanish one in its figures' words
            // alone: its other cards are the same files, copied rather than drawn again.
            if (style == FaceStyle::ModernEnglish && numero < 10)
                copy(faceName(FaceStyle::Modern, palo, numero), faceName(style, palo, numero));
            else
                writeFace(style, palo, numero);
        }
    }
}

void ArtWriter::writeFace(FaceStyle style, Palo palo, int numero) const
{
    QImage image = cardCanvas();
    QPainter painter(&image);
    inCardUnits(painter);
    m_faces.paint(painter, palo, numero, style);
    painter.end();
    save(image, faceName(style, palo, numero));
}

QString ArtWriter::faceName(FaceStyle style, Palo palo, int numero)
{
    return QStringLiteral("%1/%2%3.jpg")
        .arg(CardStyles::folder(style), SuitStyle::name(palo))
        .arg(numero, 2, 10, QLatin1Char('0'));
}

void ArtWriter::writeBack(BackStyle style) const
{
    QImage image = cardCanvas();
    QPainter painter(&image);
    inCardUnits(painter);
    m_back.paint(painter, style);
    painter.end();
    save(image, CardStyles::backFile(style));
}

void ArtWriter::writeBackgrounds() const
{
    save(m_backgrounds.cloth(clothSize), QStringLiteral("zelbofond.jpg"));
    save(m_backgrounds.results(QSize(407, 250)), QStringLiteral("winfond.jpg"));
}

void ArtWriter::writeIcons() const
{
    // The toolbar's, as vectors: sharp at every board size and pixel density.
    SvgIcon::write(m_dir.filePath(QStringLiteral("icons/nuevo.svg")), QStringLiteral("Nuevo"),
                   [this](QPainter &painter) { m_icons.paintNuevo(painter); });
    SvgIcon::write(m_dir.filePath(QStringLiteral("icons/run.svg")), QStringLiteral("Run"),
                   &IconPainter::paintRun);
    SvgIcon::write(m_dir.filePath(QStringLiteral("icons/salir.svg")), QStringLiteral("Salir"),
                   &IconPainter::paintSalir);
    save(m_icons.program(256), QStringLiteral("icons/zelbo.png"));
    save(m_icons.program(48), QStringLiteral("icons/zelbo48.png"));
    ProgramIconWriter(m_icons, m_dir.filePath(QStringLiteral("icons"))).writeAll();
}

// A card picture has no transparency: the corners outside the rounded card take the
// cloth's colour, which is what surrounds a card on the board.
QImage ArtWriter::cardCanvas()
{
    QImage image(cardSize, QImage::Format_RGB32);
    image.fill(BackgroundPainter::clothColour);
    return image;
}

// The painters draw in the card's design units, whatever size it is written at.
void ArtWriter::inCardUnits(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(cardScale, cardScale);
}

void ArtWriter::save(const QImage &image, const QString &name) const
{
    const QString path = m_dir.filePath(name);
    if (!m_dir.mkpath(QFileInfo(name).path()))
        throw ArtError("cannot create the folder for " + path.toStdString());
    // Quality 92 keeps the thin frame line and the corner numbers free of JPEG ringing.
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    if (!image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1))
        throw ArtError("cannot write " + path.toStdString());
}

void ArtWriter::copy(const QString &from, const QString &to) const
{
    const QString target = m_dir.filePath(to);
    if (!m_dir.mkpath(QFileInfo(to).path()))
        throw ArtError("cannot create the folder for " + target.toStdString());
    QFile::remove(target);
    if (!QFile::copy(m_dir.filePath(from), target))
        throw ArtError("cannot write " + target.toStdString());
}
