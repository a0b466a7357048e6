// SPDX-License-Identifier: GPL-3.0-or-later

// The game's program: the main window over the board, playing against the CPU.

#include "ajustesjuego.h"
#include "idiomadeljuego.h"
#include "instanciaunica.h"
#include "keptgamekeeper.h"
#include "mersennerandom.h"
#include "nivelcpu.h"
#include "notadearchivos.h"
#include "pausatemporizada.h"
#include "qtdialogservice.h"
#include "ubicaciones.h"
#include "userdatafolder.h"
#include "zelbofrm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {
// The game's options, described in the installed language; gives back --partida.
QCommandLineOption describirOpciones(QCommandLineParser &opciones)
{
    opciones.setApplicationDescription(
        QCoreApplication::translate("main", "Juego de naipes contra la CPU."));
    opciones.addHelpOption();
    opciones.addVersionOption();
    const QCommandLineOption partida(
        QStringLiteral("partida"),
        QCoreApplication::translate("main", "Empieza la partida número N (del 1 al %1).")
            .arg(ZelboGame::kMaxPartida),
        QStringLiteral("N"));
    opciones.addOption(partida);
    return partida;
}

// The game asked for with --partida, or nothing; exits with a message on a bad number.
std::optional<int> partidaPedida(const QCoreApplication &app)
{
    QCommandLineParser opciones;
    const QCommandLineOption partida = describirOpciones(opciones);
    opciones.process(app);
    if (!opciones.isSet(partida))
        return std::nullopt;
    bool ok = false;
    const int n = opciones.value(partida).toInt(&ok);
    if (!ok || n < 1 || n > ZelboGame::kMaxPartida) {
        const QString error
            = QCoreApplication::translate("main", "zelbo: --partida espera un número del 1 al %1\n")
                  .arg(ZelboGame::kMaxPartida);
        std::fputs(error.toLocal8Bit().constData(), stderr);
        std::exit(2);
    }
    return n;
}

// --help, --version and a bad --partida are answered here, before the window system starts,
// so that they work without a display. Qt's own options for the window system (-platform,
// -style, ...) are unknown to this parser: with an unknown option the options are left to
// the game's QApplication, which takes Qt's away first.
void responderSinVentana(int argc, char *argv[])
{
    // A start without options, as from the desktop's menu, has nothing to answer here.
    if (argc < 2)
        return;
    QCoreApplication consola(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zelbo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELBO_VERSION));
    const Ubicaciones lugares = Ubicaciones::delSistema(QCoreApplication::applicationDirPath());
    IdiomaDelJuego idioma;
    idioma.instalar(IdiomaDelJuego::elegir(QLocale::system().uiLanguages()),
                    lugares.dato(QStringLiteral("translations")),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCommandLineParser prueba;
    describirOpciones(prueba);
    if (!prueba.parse(QCoreApplication::arguments()) && !prueba.unknownOptionNames().isEmpty())
        return;
    // Qt's options for the window system are listed by the QApplication, which only prints
    // them: it may as well start offscreen.
    if (prueba.isSet(QStringLiteral("help-all"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
    }
    partidaPedida(consola);
}

// The exit status when a game already running was handed the request; nothing when this
// program plays. A game started from the desktop's menu has no terminal: the refusal is said
// in a window too.
std::optional<int> pasarALaAbierta(InstanciaUnica &instancia, std::optional<int> partida,
                                   DialogService &dialogos)
{
    switch (instancia.empezar(partida)) {
    case InstanciaUnica::Resultado::Primera:
        return std::nullopt;
    case InstanciaUnica::Resultado::Avisada:
        return 0;
    case InstanciaUnica::Resultado::SinRespuesta:
        break;
    }
    std::fputs(
        QCoreApplication::translate("main", "zelbo: el juego ya está abierto y no responde\n")
            .toLocal8Bit()
            .constData(),
        stderr);
    dialogos.mensaje(QCoreApplication::translate(
                         "main",
                         "El juego ya está abierto en esta sesión, pero no responde. Ciérralo, o "
                         "termina su proceso, y vuelve a abrirlo."),
                     DialogService::kTitulo, DialogService::Botones::Ok,
                     DialogService::Icono::Critico);
    return 1;
}

// Later starts of the program bring this window up, and --partida N plays game N in it.
void atenderOtrosInicios(InstanciaUnica &instancia, ZelboFrm &ventana)
{
    QObject::connect(&instancia, &InstanciaUnica::activar, &ventana, &ZelboFrm::traerAlFrente);
    QObject::connect(&instancia, &InstanciaUnica::partidaPedida, &ventana, [&ventana](int n) {
        if (n >= 1 && n <= ZelboGame::kMaxPartida)
            ventana.pedirPartida(n);
    });
}
} // namespace

int main(int argc, char *argv[])
{
    responderSinVentana(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelbo"));
    QApplication::setApplicationVersion(QStringLiteral(ZELBO_VERSION));
    // Ties the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELBO_APP_ID));
    // The game decides when it ends: every way out saves the preferences first.
    QApplication::setQuitOnLastWindowClosed(false);
    const Ubicaciones lugares = Ubicaciones::delSistema(QApplication::applicationDirPath());
    // A missing translation leaves the game in Spanish, as it was made.
    IdiomaDelJuego idioma;
    idioma.instalar(IdiomaDelJuego::elegir(QLocale::system().uiLanguages()),
                    lugares.dato(QStringLiteral("translations")),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    const std::optional<int> partida = partidaPedida(app);
    // The felt is read whole on another thread while the rest of the start goes on (from here:
    // the options may still have ended the program above, with exit()).
    std::unique_ptr<ComprobacionAnticipada> fondo = ZelboFrm::comprobarFondo(lugares);
    // One game at a time: a second start hands its request to the running one and ends.
    InstanciaUnica instancia(InstanciaUnica::servidorDe(UserDataFolder::path()));
    QtDialogService dialogos;
    if (const std::optional<int> estado = pasarALaAbierta(instancia, partida, dialogos))
        return *estado;

    // A folder that cannot be made shows up as the missing preferences file.
    lugares.prepararCarpetaDelUsuario();
    dialogos.setCarpetaInicial(lugares.carpetaDeArchivos());
    // Each game's number seeds the deal; the numbers come from a generator of their own.
    MersenneRandom azar(MersenneRandom::semillaDelReloj());
    MersenneRandom sorteo(MersenneRandom::semillaDelReloj());
    PausaTemporizada pausa;
    // The player's settings, read once here and handed to whoever reads or changes them.
    AjustesJuego ajustes = AjustesJuego::abrirDelUsuario();
    ZelboFrm ventana(lugares, dialogos, azar, pausa, ajustes);
    ventana.setFondoComprobado(std::move(fondo));
    ventana.elegirEnHilo();
    ventana.juego().setSorteoDePartidas(sorteo);
    if (partida)
        ventana.juego().setPartidaInicial(*partida);
    dialogos.setVentana(&ventana);
    // Each game is played at the level the player last chose in "Opciones".
    ventana.juego().setFuenteDeNivel([&ajustes] { return ajustes.nivel(); });
    // Installed or not, the statistics and the kept game are the player's own files.
    KeptGameKeeper conservada(UserDataFolder::path(), dialogos, &azar);
    conservada.setNivel([&ventana] { return NivelesCpu::clave(ventana.juego().nivelCpu()); });
    conservada.setAvisoDeArchivo(
        [&ventana](const QString &texto) { ventana.notaDeArchivos().avisar(texto); });
    ventana.juego().setConservada(&conservada);
    atenderOtrosInicios(instancia, ventana);
    if (!ventana.Form_Load())
        return ventana.estadoSalida();
    // The icon reaches the window system once the window is up: read and sent in every size
    // it has, it would only hold the window back.
    QTimer::singleShot(0, &app, [&lugares] {
        QApplication::setWindowIcon(QIcon(lugares.dato(QStringLiteral("icons/zelbo.png"))));
    });
    return QApplication::exec();
}
