// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpwindow.h"

#include "paginadeayuda.h"

#include <QKeySequence>
#include <QShortcut>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &programDir, QWidget *parent)
    : QWidget(parent)
    , m_pagina(new PaginaDeAyuda(programDir, this))
{
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("Ayuda de Zelbo"));
    resize(720, 600);
    auto *marco = new QVBoxLayout(this);
    marco->setContentsMargins(0, 0, 0, 0);
    marco->addWidget(m_pagina);
    setFocusProxy(m_pagina);
    // A window of reading closes with Esc, like the game's other windows.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    m_pagina->abrir(rutaAyuda(programDir));
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
    m_pagina->setFocus(Qt::ActiveWindowFocusReason);
}
