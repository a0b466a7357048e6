// SPDX-License-Identifier: GPL-3.0-or-later

#include "programiconwriter.h"

#include "arterror.h"
#include "iconpainter.h"
#include "svgicon.h"

#include <QFileInfo>
#include <QImage>

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

void ProgramIconWriter::writeSvg() const
{
    SvgIcon::write(prepare(QStringLiteral("hicolor/scalable/apps/zelbo.svg")),
                   QStringLiteral("Zelbo"),
                   [this](QPainter &painter) { m_icons.paintProgram(painter); });
}

QString ProgramIconWriter::prepare(const QString &name) const
{
    const QString path = m_dir.filePath(name);
    if (!m_dir.mkpath(QFileInfo(name).path()))
        throw ArtError("cannot create the folder for " + path.toStdString());
    return path;
}
