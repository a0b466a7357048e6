// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpwindow.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

HelpWindow::HelpWindow(const QString &programDir, QWidget *parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Ayuda de Zelbo"));
    resize(720, 600);
    setOpenExternalLinks(true);
    // Pictures of the page (naipes/...) are found beside the program.
    setSearchPaths({ programDir });
    // A window of reading closes with Esc, like the game's other windows.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    const QString ayuda = rutaAyuda(programDir);
    if (QFileInfo::exists(ayuda))
        setSource(QUrl::fromLocalFile(ayuda));
}

QString HelpWindow::rutaAyuda(const QString &programDir)
{
    // Each language names its own page; the Spanish one is the game's own.
    return programDir + QLatin1Char('/')
        + tr("ayuda.html", "file name of the help page in this language");
}

void HelpWindow::mostrar()
{
    // The first time, over the middle of the game's window rather than a corner.
    if (!isVisible() && parentWidget()) {
        QRect marco = geometry();
        marco.moveCenter(parentWidget()->window()->geometry().center());
        move(marco.topLeft());
    }
    show();
    raise();
    activateWindow();
}
