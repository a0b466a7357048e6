// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwriter.h"

#include "arterror.h"
#include "cardgeometry.h"
#include "programiconwriter.h"
#include "svgicon.h"
#include "suitstyle.h"

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
    writeFaces();
    writeBack();
    writeBackgrounds();
    writeIcons();
}

void ArtWriter::writeFaces() const
{
    for (Palo palo : SuitStyle::all) {
        for (int numero : { 1, 2, 3, 4, 5, 6, 7, 10, 11, 12 }) {
            QImage image = cardCanvas();
            QPainter painter(&image);
            inCardUnits(painter);
            m_faces.paint(painter, palo, numero);
            painter.end();
            save(image,
                 QStringLiteral("naipes/%1%2.jpg")
                     .arg(SuitStyle::name(palo))
                     .arg(numero, 2, 10, QLatin1Char('0')));
        }
    }
}

void ArtWriter::writeBack() const
{
    QImage image = cardCanvas();
    QPainter painter(&image);
    inCardUnits(painter);
    m_back.paint(painter);
    painter.end();
    save(image, QStringLiteral("dibujo.jpg"));
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
