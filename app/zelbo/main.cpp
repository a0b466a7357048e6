// The game's program: the main window over the board, playing against the CPU.

#include "eventlooppausa.h"
#include "mersennerandom.h"
#include "qtdialogservice.h"
#include "zelbofrm.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelbo"));
    QApplication::setApplicationVersion(QStringLiteral(ZELBO_VERSION));
    // The game decides when it ends: every way out saves the preferences first.
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator traduccion;
    if (traduccion.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccion);

    const QString programDir = QApplication::applicationDirPath();
    QApplication::setWindowIcon(QIcon(programDir + QStringLiteral("/icons/zelbo.png")));
    QtDialogService dialogos;
    MersenneRandom azar(MersenneRandom::semillaDelReloj());
    EventLoopPausa pausa;
    ZelboFrm ventana(programDir, dialogos, azar, pausa);
    dialogos.setVentana(&ventana);
    if (!ventana.Form_Load())
        return ventana.estadoSalida();
    return QApplication::exec();
}
