// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "escala.h"
#include "lugaresclasicos.h"
#include "programadepruebas.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

namespace LC = LugaresClasicos;

class TstBoardLayout : public QObject
{
    Q_OBJECT

private slots:
    void everyPlaceLiesOnTheBoard();
    void coversHideTheCpuCardsAtAnySize_data();
    void coversHideTheCpuCardsAtAnySize();
    void boardKeepsItsProportionsWhenScaled();
    void menusHoldEveryCommandInOrder();
    void toolbarHasItsThreeKeyedButtons();
    void missingBoardPictureEndsWithStatusOne();
    void missingResultsPictureEndsAtStart();
};

void TstBoardLayout::everyPlaceLiesOnTheBoard()
{
    const QRect tablero(0, 0, LC::kAncho, LC::kAlto);
    QList<QRect> lugares;
    for (const auto &grupo : { LC::kCartaCpu, LC::kReverso, LC::kCartaHumano, LC::kCheckp2 })
        lugares.append({ grupo[0], grupo[1], grupo[2] });
    for (int i = 0; i < 7; ++i)
        lugares << LC::kMesa[i] << LC::kCheckMesa[i];
    lugares << LC::kMonton[0] << LC::kMonton[1] << LC::kCheckMonton[0] << LC::kCheckMonton[1]
            << LC::kCartel << LC::kPuntajes << LC::kTituloCpu << LC::kTituloHumano << LC::kFrame[0]
            << LC::kFrame[1] << LC::kLevantar << LC::kToolbar;
    for (const QRect &r : lugares)
        QVERIFY2(tablero.contains(r),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(r.x())
                                .arg(r.y())
                                .arg(r.width())
                                .arg(r.height())));
}

void TstBoardLayout::coversHideTheCpuCardsAtAnySize_data()
{
    QTest::addColumn<QSize>("tamano");
    QTest::newRow("pequeña") << QSize(640, 480);
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("4K") << QSize(3840, 2160);
    QTest::newRow("alta y estrecha") << QSize(700, 1300);
}

void TstBoardLayout::coversHideTheCpuCardsAtAnySize()
{
    QFETCH(QSize, tamano);
    BoardFixture f;
    QVERIFY(f.iniciar());
    f.mesa().resize(tamano);
    for (int i = 0; i < 3; ++i) {
        const QRect carta = f.clasica().cartap1img().at(i)->geometry();
        const QRect cubierta = f.clasica().Image1().at(i)->geometry();
        QVERIFY(cubierta.contains(carta));
        QCOMPARE(cubierta.left(), carta.left());
        // The cover lies above the card.
        const QObjectList &hijos = f.mesa().children();
        QVERIFY(hijos.indexOf(f.clasica().Image1().at(i))
                > hijos.indexOf(f.clasica().cartap1img().at(i)));
    }
}

void TstBoardLayout::boardKeepsItsProportionsWhenScaled()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    f.mesa().resize(1568, 1120); // twice the board at scale 1
    const QRect mesa0 = f.clasica().mesaimg()[0]->geometry();
    QCOMPARE(mesa0.size(), QSize(160, 242));
    QCOMPARE(f.clasica().escala().factor(), 2.0);
    f.mesa().resize(784, 800); // taller than the board: centred, scale 1
    QCOMPARE(f.clasica().mesaimg()[0]->geometry(), QRect(24, 368 + 120, 80, 121));
}

void TstBoardLayout::menusHoldEveryCommandInOrder()
{
    BoardFixture f;
    const QList<QAction *> menus = f.ventana().menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    QCOMPARE(menus[0]->text(), QStringLiteral("&Archivo"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Juego"));
    QCOMPARE(menus[2]->text(), QStringLiteral("&Ver"));
    QCOMPARE(menus[3]->text(), QStringLiteral("A&yuda"));
    // Each item with its letter and its first key: the desktop's own, where it has one.
    const auto items = [](QAction *menu) {
        QStringList lista;
        for (QAction *a : menu->menu()->actions())
            lista << (a->isSeparator() ? QStringLiteral("-")
                                       : a->text() + QLatin1Char('|') + a->shortcut().toString());
        return lista;
    };
    QCOMPARE(items(menus[0]),
             QStringList({ "&Nuevo|Ctrl+N", "&Abrir|Ctrl+O", "&Guardar|Ctrl+S", "-",
                           "&Opciones|Ctrl+,", "Nombre &Jugador|F2", "-", "&Salir|Ctrl+Q" }));
    QCOMPARE(
        items(menus[1]),
        QStringList({ "&Pista|H", "&Jugar lo marcado|Return", "P&oner en tu montón|M",
                      "Marcar la &carta enfocada|Space", "-", "&Leer la mesa|T", "Leer t&u mano|Y",
                      "Leer mo&ntones y puntos|P", "Leer &quién juega y la ronda|S", "-",
                      "&Deshacer|Ctrl+Z", "&Rehacer|" + QKeySequence(QKeySequence::Redo).toString(),
                      "&Elegir partida…|Ctrl+P", "-", "H&istorial|Ctrl+L", "Mes&a moderna|",
                      "E&stadísticas…|Ctrl+E", "Re&visar la partida…|Ctrl+R",
                      "Demos&tración|Ctrl+D" }));
    QCOMPARE(
        items(menus[2]),
        QStringList({ "&Sonidos del juego|Ctrl+M",
                      "&Pantalla completa|" + QKeySequence(QKeySequence::FullScreen).toString() }));
    QCOMPARE(items(menus[3]), QStringList({ "&Contenidos|F1", "&Acerca de ...|" }));
    QCOMPARE(f.ventana().windowTitle(), QStringLiteral("Zelbomar"));
}

void TstBoardLayout::toolbarHasItsThreeKeyedButtons()
{
    BoardFixture f;
    QStringList botones;
    for (QAction *a : f.clasica().Toolbar1()->actions())
        botones << a->text() + QLatin1Char('|') + a->toolTip();
    QCOMPARE(botones,
             QStringList({ "Nuevo|Empezar un juego nuevo", "Run|Correr una aplicacion",
                           "Salir|Salir de la aplicacion" }));
}

void TstBoardLayout::missingBoardPictureEndsWithStatusOne()
{
    BoardFixture f(1, { QStringLiteral("zelbofond.jpg") });
    QVERIFY(!f.iniciar());
    QCOMPARE(f.ventana().estadoSalida(), 1);
    QCOMPARE(f.dialogos().mensajes().size(), 1);
    QVERIFY(f.dialogos().mensajes()[0].texto.contains(QStringLiteral("zelbofond.jpg")));
    QCOMPARE(f.dialogos().mensajes()[0].titulo, QStringLiteral("Zelbo"));
    QVERIFY(!f.ventana().isVisible());
}

void TstBoardLayout::missingResultsPictureEndsAtStart()
{
    BoardFixture f(1, { QStringLiteral("winfond.jpg") });
    QVERIFY(!f.iniciar());
    QCOMPARE(f.ventana().estadoSalida(), 1);
    QVERIFY(f.dialogos().textos().last().contains(QStringLiteral("winfond.jpg")));
    QVERIFY(f.estado().lamesa.isEmpty()); // nothing was dealt
}

ZELBO_TEST_MAIN(TstBoardLayout)
#include "tst_board_layout.moc"
