#include "programiconwriter.h"

#include "arterror.h"
#include "iconpainter.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

ProgramIconWriter::ProgramIconWriter(const IconPainter &icons, const QString &outputDir)
    : m_icons(icons)
    , m_dir(outputDir)
{
}

void ProgramIconWriter::writeAll() const
{
    for (int size : sizes)
        writePng(size);
    writeSvg();
}

void ProgramIconWriter::writePng(int size) const
{
    const QString path = prepare(QStringLiteral("hicolor/%1x%1/apps/zelbo.png").arg(size));
    if (!m_icons.program(size).save(path, "PNG"))
        throw ArtError("cannot write " + path.toStdString());
}

// Drawn with the same strokes as the pictures, so the vector icon is the same design
// and stays sharp at any size the desktop shows it.
void ProgramIconWriter::writeSvg() const
{
    const QString path = prepare(QStringLiteral("hicolor/scalable/apps/zelbo.svg"));
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRectF(0, 0, IconPainter::designSize, IconPainter::designSize));
    svg.setTitle(QStringLiteral("Zelbo"));
    QPainter painter;
    if (!painter.begin(&svg))
        throw ArtError("cannot write " + path.toStdString());
    painter.setRenderHint(QPainter::Antialiasing);
    m_icons.paintProgram(painter);
    if (!painter.end() || QFileInfo(path).size() == 0)
        throw ArtError("cannot write " + path.toStdString());
}

QString ProgramIconWriter::prepare(const QString &name) const
{
    const QString path = m_dir.filePath(name);
    if (!m_dir.mkpath(QFileInfo(name).path()))
        throw ArtError("cannot create the folder for " + path.toStdString());
    return path;
}
