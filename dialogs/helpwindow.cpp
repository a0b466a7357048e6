#include "helpwindow.h"

#include <QFileInfo>
#include <QUrl>

HelpWindow::HelpWindow(const QString &programDir, QWidget *parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Ayuda de Zelbo"));
    resize(720, 600);
    setOpenExternalLinks(true);
    // Pictures of the page (naipes/...) are found beside the program.
    setSearchPaths({ programDir });

    const QString ayuda = rutaAyuda(programDir);
    if (QFileInfo::exists(ayuda))
        setSource(QUrl::fromLocalFile(ayuda));
}

QString HelpWindow::rutaAyuda(const QString &programDir)
{
    return programDir + QStringLiteral("/ayuda.html");
}

void HelpWindow::mostrar()
{
    show();
    raise();
    activateWindow();
}
