// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgicon.h"

#include "arterror.h"
#include "iconpainter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>

void SvgIcon::write(const QString &path, const QString &title,
                    const std::function<void(QPainter &)> &paint)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw ArtError("cannot create the folder for " + path.toStdString());
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRectF(0, 0, IconPainter::designSize, IconPainter::designSize));
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        throw ArtError("cannot write " + path.toStdString());
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    if (!painter.end() || QFileInfo(path).size() == 0)
        throw ArtError("cannot write " + path.toStdString());
}
