// The game's program: the main window over the board, playing against the CPU.

#include "eventlooppausa.h"
#include "mersennerandom.h"
#include "partidaconservada.h"
#include "qtdialogservice.h"
#include "ubicaciones.h"
#include "userdatafolder.h"
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
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELBO_APP_ID));
    // The game decides when it ends: every way out saves the preferences first.
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator traduccion;
    if (traduccion.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduccion);

    const Ubicaciones lugares = Ubicaciones::delSistema(QApplication::applicationDirPath());
    // A folder that cannot be made shows up as the missing preferences file.
    lugares.prepararCarpetaDelUsuario();
    QApplication::setWindowIcon(QIcon(lugares.dato(QStringLiteral("icons/zelbo.png"))));
    QtDialogService dialogos;
    dialogos.setCarpetaInicial(lugares.carpetaDeArchivos());
    MersenneRandom azar(MersenneRandom::semillaDelReloj());
    EventLoopPausa pausa;
    ZelboFrm ventana(lugares, dialogos, azar, pausa);
    dialogos.setVentana(&ventana);
    // Installed or not, the statistics and the kept game are the player's own files.
    PartidaConservada conservada(UserDataFolder::path(), dialogos, &azar);
    ventana.juego().setConservada(&conservada);
    if (!ventana.Form_Load())
        return ventana.estadoSalida();
    return QApplication::exec();
}
