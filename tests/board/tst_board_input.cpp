// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "disposicionclasica.h"
#include "cardpicture.h"
#include "markbox.h"
#include "programadepruebas.h"
#include "raton.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace Naipes;

class TstBoardInput : public QObject
{
    Q_OBJECT

private slots:
    void dropOnTheBackgroundLaysTheCard();
    void dropOnACpuPileGoesOnTheOwnPile();
    void dropOnAnEmptyPilesPlaceGoesOnTheOwnPile_data();
    void dropOnAnEmptyPilesPlaceGoesOnTheOwnPile();
    void dropOnAnyOtherControlDoesNothing();
    void eitherButtonSelectsAndTheButtonLifts();
    void aShortMoveIsAClickNotADrag();
    void aDoubleClickCountsOnce();
    void dropOnATableCardOfItsPaloLifts();
    void onlyTheHumansMarksTakeDirectClicks();
    void inputDuringTheCpuTurnIsDiscarded();
    void closingDuringTheCpuTurnWaitsForItsMove();
    void toolbarButtonsRunTheirCommands();
};

void TstBoardInput::dropOnTheBackgroundLaysTheCard()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    Raton::soltarEnFondo(f.mesa(), 0);
    QCOMPARE(Posicion::numeros(f.estado().lamesa), QList<int>({ bastos(1), oros(1), espadas(1) }));
    QCOMPARE(Posicion::numeros(f.estado().player2), QList<int> { copas(1) });
    QCOMPARE(f.pausa().esperas(), QList<int> { 1000 }); // the CPU showed its card
}

void TstBoardInput::dropOnACpuPileGoesOnTheOwnPile()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    Raton::soltarEn(f.mesa(), 1, f.clasica().montonimg()[0]);
    QCOMPARE(int(f.estado().player2Lev.at(0)), copas(1));
    QCOMPARE(int(f.estado().player1Lev.at(0)), copas(5));
}

void TstBoardInput::dropOnAnEmptyPilesPlaceGoesOnTheOwnPile_data()
{
    QTest::addColumn<int>("monton");
    QTest::newRow("the own pile's place") << 1;
    QTest::newRow("the CPU's pile's place") << 0;
}

// Both piles empty, and oros(2) on the table: oros(1) cannot be laid, so a
// drop that fell through to the felt would be refused.
void TstBoardInput::dropOnAnEmptyPilesPlaceGoesOnTheOwnPile()
{
    QFETCH(int, monton);
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1), espadas(4) };
    p.mesa = { oros(2), bastos(1), bastos(2), bastos(3), bastos(4), espadas(2) };
    p.tamPilaCpu = 0;
    p.tamPilaHumano = 0;
    QVERIFY(f.cargar(p));
    DisposicionClasica &t = f.clasica();
    QVERIFY(t.montonimg()[0]->isHidden() && t.montonimg()[1]->isHidden());
    Raton::soltarEn(t.mesa(), 0, t.montonimg().at(std::size_t(monton)));
    QCOMPARE(Posicion::numeros(f.estado().player2Lev), QList<int> { oros(1) });
    QCOMPARE(Posicion::numeros(f.estado().player2), QList<int> { copas(1) });
    QVERIFY(f.dialogos().textos().isEmpty());
    QVERIFY(t.montonimg()[1]->isVisible());
}

void TstBoardInput::dropOnAnyOtherControlDoesNothing()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    DisposicionClasica &t = f.clasica();
    const QString antes = Posicion::texto(f.estado());
    QStatusBar *barra = f.ventana().statusBar();
    // A table card of another palo, then controls that take no card.
    Raton::soltarEn(t.mesa(), 0, t.mesaimg()[0]);
    QCOMPARE(barra->currentMessage(),
             "El As de oros no es del palo del As de bastos: no levanta nada");
    for (QWidget *control :
         QList<QWidget *> { t.cartap2img()[1], t.LevantarBtn(), t.Checkp2()[0], t.Cartellbl() }) {
        barra->clearMessage();
        Raton::soltarEn(t.mesa(), 0, control);
        QCOMPARE(Posicion::texto(f.estado()), antes);
        QVERIFY(barra->currentMessage().startsWith(QStringLiteral("Ahí no se deja una carta")));
    }
    QVERIFY(f.dialogos().textos().isEmpty());
}

void TstBoardInput::dropOnATableCardOfItsPaloLifts()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p = Posicion::primeraJugada();
    p.mesa = { oros(2), bastos(1), oros(3), copas(2) };
    p.tamPilaHumano = 0;
    QVERIFY(f.cargar(p));
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.mesaimg()[2], Qt::LeftButton); // marked before the drop: lifted with it
    QTest::mouseClick(t.mesaimg()[3], Qt::LeftButton); // another palo: stays on the table
    Raton::soltarEn(t.mesa(), 0, t.mesaimg()[0]);
    QCOMPARE(Posicion::numeros(f.estado().player2Lev).mid(0, 3),
             QList<int>({ oros(3), oros(2), oros(1) }));
    QCOMPARE(Posicion::numeros(f.estado().lamesa), QList<int>({ bastos(1), copas(2), espadas(1) }));
    QVERIFY(f.dialogos().textos().isEmpty());
}

void TstBoardInput::eitherButtonSelectsAndTheButtonLifts()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p = Posicion::primeraJugada();
    p.mesa = { oros(2), bastos(1) };
    p.tamPilaHumano = 2;
    QVERIFY(f.cargar(p));
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.cartap2img()[0], Qt::LeftButton); // a left click without a drag marks
    QVERIFY(t.Checkp2()[0]->isChecked());
    QTest::mouseClick(t.cartap2img()[0], Qt::LeftButton);
    QVERIFY(!t.Checkp2()[0]->isChecked());
    QTest::mouseClick(t.cartap2img()[0], Qt::RightButton);
    QVERIFY(t.Checkp2()[0]->isChecked());
    QTest::mouseClick(t.mesaimg()[1], Qt::LeftButton); // bastos: another palo, refused
    QCOMPARE(f.dialogos().textos(), QStringList { "Solo puedes levantar cartas de un mismo tipo" });
    QVERIFY(!t.CheckMesa()[1]->isChecked());
    QTest::mouseClick(t.mesaimg()[0], Qt::LeftButton);
    QVERIFY(t.CheckMesa()[0]->isChecked());
    QTest::mouseClick(t.LevantarBtn(), Qt::LeftButton);
    QCOMPARE(Posicion::numeros(f.estado().player2Lev).mid(0, 2), QList<int>({ oros(2), oros(1) }));
    QCOMPARE(f.estado().ultimoEnLevantar, Lado::Humano);
}

void TstBoardInput::aShortMoveIsAClickNotADrag()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    CardPicture *carta = f.clasica().cartap2img()[1];
    const QPoint desde = carta->rect().center();
    const QPoint hasta = desde + QPoint(QApplication::startDragDistance() - 1, 0);
    QTest::mousePress(carta, Qt::LeftButton, {}, desde);
    QMouseEvent movida(QEvent::MouseMove, hasta, carta->mapToGlobal(hasta), Qt::NoButton,
                       Qt::LeftButton, {});
    QApplication::sendEvent(carta, &movida);
    QTest::mouseRelease(carta, Qt::LeftButton, {}, hasta);
    // A drag would have taken the release: the card was clicked and marked.
    QVERIFY(f.estado().marcas.Checkp2[1]);
    QCOMPARE(f.estado().player2.count(), 2);
}

void TstBoardInput::aDoubleClickCountsOnce()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p = Posicion::primeraJugada();
    p.mesa = { oros(2), bastos(1) };
    p.tamPilaHumano = 2;
    QVERIFY(f.cargar(p));
    DisposicionClasica &t = f.clasica();
    const Marcas &m = f.estado().marcas;
    Raton::dobleClic(t.cartap2img()[0], Qt::LeftButton);
    QVERIFY(m.Checkp2[0]);
    Raton::dobleClic(t.mesaimg()[0], Qt::LeftButton);
    QVERIFY(m.CheckMesa[0]);
    Raton::dobleClic(t.cartap2img()[1], Qt::RightButton);
    QVERIFY(m.Checkp2[1]);
    Raton::dobleClic(t.Checkp2()[1], Qt::LeftButton);
    QVERIFY(!m.Checkp2[1]);
    Raton::dobleClic(t.CheckMonton()[1], Qt::LeftButton);
    QVERIFY(m.CheckMonton[1] && t.CheckMonton()[1]->isChecked());
    QVERIFY(f.dialogos().textos().isEmpty());
}

void TstBoardInput::onlyTheHumansMarksTakeDirectClicks()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.CheckMesa()[0], Qt::LeftButton);
    QTest::mouseClick(t.CheckMonton()[0], Qt::LeftButton);
    QVERIFY(!f.estado().marcas.CheckMesa[0] && !f.estado().marcas.CheckMonton[0]);
    QTest::mouseClick(t.Checkp2()[2], Qt::LeftButton);
    QTest::mouseClick(t.CheckMonton()[1], Qt::LeftButton);
    QVERIFY(f.estado().marcas.Checkp2[2] && f.estado().marcas.CheckMonton[1]);
    QVERIFY(t.Checkp2()[2]->isChecked() && t.CheckMonton()[1]->isChecked());
    QTest::mouseClick(t.CheckMonton()[1], Qt::LeftButton);
    QVERIFY(!f.estado().marcas.CheckMonton[1] && !t.CheckMonton()[1]->isChecked());
}

void TstBoardInput::inputDuringTheCpuTurnIsDiscarded()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    DisposicionClasica &t = f.clasica();
    f.pausa().setDurante([&] {
        QTest::mouseClick(t.cartap2img()[0], Qt::RightButton);
        QTest::mouseClick(t.Checkp2()[1], Qt::LeftButton);
        QTest::mouseClick(t.LevantarBtn(), Qt::LeftButton);
        QTest::keyClick(&f.ventana(), Qt::Key_N, Qt::ControlModifier);
    });
    Raton::soltarEnFondo(t.mesa(), 0);
    QCOMPARE(f.pausa().esperas().size(), 1);
    QVERIFY(f.dialogos().textos().isEmpty()); // the lift button was never pressed
    QVERIFY(!f.estado().marcas.Checkp2[0] && !f.estado().marcas.Checkp2[1]);
    QCOMPARE(f.estado().lamesa.count(), 3); // no new game was dealt
}

void TstBoardInput::closingDuringTheCpuTurnWaitsForItsMove()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    QFile::remove(f.dir().ruta(QStringLiteral("lastprop.dat")));
    bool terminadoDurante = true;
    f.pausa().setDurante([&] {
        f.ventana().close();
        terminadoDurante = f.ventana().terminado();
    });
    Raton::soltarEnFondo(f.mesa(), 0);
    QVERIFY(!terminadoDurante);
    // The CPU's card reached the table before the program ended.
    QCOMPARE(f.estado().lamesa.count(), 3);
    QVERIFY(f.ventana().terminado());
    QCOMPARE(f.ventana().estadoSalida(), 0);
    QVERIFY(QFile::exists(f.dir().ruta(QStringLiteral("lastprop.dat"))));
}

void TstBoardInput::toolbarButtonsRunTheirCommands()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    const auto boton = [&f](const char *clave) {
        auto *a = f.clasica().Toolbar1()->findChild<QAction *>(QLatin1String(clave));
        if (!a)
            a = f.ventana().findChild<QAction *>(QLatin1String(clave));
        return a;
    };
    QVERIFY(boton("nuevo") && boton("run") && boton("salir"));
    const QString antes = Posicion::texto(f.estado());

    // No program is configured: "run" starts nothing and says so in the status bar, with no box.
    boton("run")->trigger();
    QCOMPARE(Posicion::texto(f.estado()), antes);
    QVERIFY(f.dialogos().mensajes().isEmpty());
    QCOMPARE(f.ventana().statusBar()->currentMessage(),
             QStringLiteral("No hay programa elegido: elígelo en Opciones"));

    f.dialogos().responder(DialogService::Respuesta::Cancel);
    boton("salir")->trigger();
    QCOMPARE(f.dialogos().textos(), QStringList { QStringLiteral("¿Salir del juego?") });
    QCOMPARE(Posicion::texto(f.estado()), antes);

    boton("nuevo")->trigger();
    QCOMPARE(f.estado().cartasRepartidas, 10);
    QCOMPARE(f.dialogos().mensajes().size(), 1);
    QVERIFY(!f.ventana().terminado());
}

ZELBO_TEST_MAIN(TstBoardInput)
#include "tst_board_input.moc"
