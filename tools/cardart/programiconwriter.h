// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>

class IconPainter;

// The program's icon for the desktop, in the freedesktop icon theme layout under
// the given folder: hicolor/scalable/apps/zelbo.svg and hicolor/NxN/apps/zelbo.png
// at every size a desktop asks for. The install gives them the application's id.
class ProgramIconWriter
{
public:
    static constexpr int sizes[] = { 16, 32, 48, 64, 128, 256 };

    ProgramIconWriter(const IconPainter &icons, const QString &outputDir);

    // Throws ArtError when a file cannot be written.
    void writeAll() const;

private:
    void writePng(int size) const;
    void writeSvg() const;
    QString prepare(const QString &name) const;

    const IconPainter &m_icons;
    QDir m_dir;
};
