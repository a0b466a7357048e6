// SPDX-License-Identifier: GPL-3.0-or-later

#include "animadortablero.h"
#include "boardfixture.h"
#include "keptgamekeeper.h"
#include "mandodemostracion.h"
#include "menusventana.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "tecladotablero.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every file of the folder with its bytes: the kept game and the statistics, or lastprop.dat.
QStringList archivos(const QString &carpeta, const QStringList &filtro = {})
{
    QStringList todo;
    for (const QFileInfo &info : QDir(carpeta).entryInfoList(filtro, QDir::Files, QDir::Name)) {
        QFile f(info.filePath());
        todo << info.fileName() + QLatin1Char(' ')
                + QString::fromLatin1((f.open(QIODevice::ReadOnly) ? f.readAll() : "?").toHex());
    }
    return todo;
}

// Whether the status bar shows that a demonstration plays.
bool avisaDemostracion(const QStatusBar &barra)
{
    for (const QLabel *l : barra.findChildren<QLabel *>()) {
        if (l->isVisible() && l->text().startsWith(QStringLiteral("Demostración: pulsa una tecla")))
            return true;
    }
    return false;
}

QAction *accionDemostracion(QMenuBar &barra)
{
    for (QAction *menu : barra.actions()) {
        for (QAction *a : menu->menu()->actions()) {
            if (a->text() == QStringLiteral("Demos&tración"))
                return a;
        }
    }
    return nullptr;
}

// Everything of the player's game a player could tell apart, on the board and off it.
struct Partida
{
    QString estado;
    QString mostrado;
    QStringList historial;
    bool deshacer = false;
    QStringList conservada;
    QStringList propiedades;
};

} // namespace

// "Demostración": the CPU plays both seats on the board until a key or a click, and the
// player's game comes back as it was, with nothing of the demonstration counted or kept.
class TstBoardDemo : public QObject
{
    Q_OBJECT

private slots:
    void demoPlaysBothSeatsAndLeavesThePlayersGame_data();
    void demoPlaysBothSeatsAndLeavesThePlayersGame();
};

void TstBoardDemo::demoPlaysBothSeatsAndLeavesThePlayersGame_data()
{
    QTest::addColumn<QString>("parada");
    QTest::newRow("a key") << "tecla";
    QTest::newRow("a key that is a command") << "orden";
    QTest::newRow("a click") << "clic";
    QTest::newRow("the menu item") << "menu";
}

void TstBoardDemo::demoPlaysBothSeatsAndLeavesThePlayersGame()
{
    QFETCH(QString, parada);
    QTemporaryDir usuario;
    BoardFixture f(3);
    KeptGameKeeper conservada(usuario.path(), f.dialogos(), nullptr);
    f.ventana().juego().setConservada(&conservada);
    QVERIFY(f.iniciar());
    f.ventana().animador().setDuracion(0);
    // A move played, so there is a history and a move to take back, and the hint marked.
    f.ventana().teclado().darPista();
    f.ventana().teclado().intro();
    QVERIFY(f.esperarTurno());
    f.ventana().teclado().darPista();
    const auto partida = [&] {
        return Partida {
            Posicion::texto(f.estado()),     Posicion::texto(f.mesa().estado()),
            f.ventana().juego().historial(), f.ventana().juego().puedeDeshacer(),
            archivos(usuario.path()),        archivos(f.dir().path(), { QStringLiteral("*.dat") })
        };
    };
    const Partida antes = partida();
    QAction *accion = accionDemostracion(*f.ventana().menuBar());
    QVERIFY(accion);
    QVERIFY(accion->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_D)));
    accion->trigger();
    MandoDemostracion &demo = f.ventana().demostracion();
    QVERIFY(demo.enCurso());
    QTRY_VERIFY(demo.sesion()->jugadasArriba() >= 3 && demo.sesion()->jugadasAbajo() >= 3);
    // The board shows the demonstration's game, and says how to leave it.
    QCOMPARE(f.mesa().estado().jugadorHumano.nombre(), QStringLiteral("CPU 2"));
    QVERIFY(Posicion::texto(f.mesa().estado()) != antes.mostrado);
    QVERIFY(avisaDemostracion(*f.ventana().statusBar()));
    if (parada == QLatin1String("tecla"))
        QTest::keyClick(&f.ventana(), Qt::Key_A);
    else if (parada == QLatin1String("orden"))
        // Enter plays the marked move in the player's game: here it only stops the demonstration.
        QTest::keyClick(&f.mesa(), Qt::Key_Return);
    else if (parada == QLatin1String("clic"))
        QTest::mouseClick(&f.mesa(), Qt::LeftButton);
    else
        accion->trigger();
    QVERIFY(!demo.enCurso());
    QVERIFY(!avisaDemostracion(*f.ventana().statusBar()));
    const Partida despues = partida();
    QCOMPARE(despues.estado, antes.estado);
    // The table shows the player's game as it stands.
    QCOMPARE(despues.mostrado, antes.estado);
    QCOMPARE(despues.historial, antes.historial);
    QCOMPARE(despues.deshacer, antes.deshacer);
    QCOMPARE(despues.conservada, antes.conservada);
    QCOMPARE(despues.propiedades, antes.propiedades);
    QCOMPARE(f.ventana().statusBar()->currentMessage(), QStringLiteral("Has vuelto a tu partida"));
    QVERIFY(f.ventana().juego().esperaAlJugador());
}

ZELBO_TEST_MAIN(TstBoardDemo)
#include "tst_board_demo.moc"
