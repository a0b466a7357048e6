// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "lugaresclasicos.h"
#include "disposicionclasica.h"
#include "cardpicture.h"
#include "compasescpu.h"
#include "markbox.h"
#include "programadepruebas.h"
#include "raton.h"
#include "winnerdialogfrm.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

using namespace Naipes;

class TstBoardRefresh : public QObject
{
    Q_OBJECT

private slots:
    void firstDealShowsTheTableAndEmptyPiles();
    void oneCpuCardShowsOnePictureAndOneCover();
    void pileShowsItsTopAndItsSize();
    void refreshClearsTableAndHandMarksKeepsPileMarks();
    void markOfAnEmptiedPileIsCleared();
    void cpuCardIsUncoveredAndEnlargedForThePause();
    void tableCardPauseChangesNoCover();
    void emptyCardBackSettingUsesTheDefaultAndStaysEmpty();
    void missingCardBackFallsBackSilently();
    void sevenTableCardsFillEveryPlace();
    void thirdPointShowsBeforeTheResults();
    void newNameShowsAtOnceWhereverTheNameStands();
};

void TstBoardRefresh::firstDealShowsTheTableAndEmptyPiles()
{
    // Seed 3 lets the human open: the board shows the first deal untouched.
    BoardFixture f(3);
    QVERIFY(f.iniciar());
    const GameState &e = f.estado();
    QCOMPARE(e.cartasRepartidas, 10);
    QCOMPARE(e.lamesa.count(), 4);
    DisposicionClasica &t = f.clasica();
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(t.mesaimg().at(i)->isVisible(), i < 4);
        if (i < 4)
            QCOMPARE(t.mesaimg().at(i)->ruta(), f.rutaCarta(e.lamesa.at(i)));
    }
    for (int i = 0; i < 3; ++i) {
        QVERIFY(t.cartap2img().at(i)->isVisible());
        QCOMPARE(t.cartap2img().at(i)->ruta(), f.rutaCarta(e.player2.at(i)));
        QVERIFY(t.Image1().at(i)->isVisible());
    }
    QVERIFY(!t.montonimg()[0]->isVisible());
    QVERIFY(!t.montonimg()[1]->isVisible());
    QCOMPARE(t.Contp1Lbl()->text(), QStringLiteral("0"));
    QCOMPARE(t.Contp2lbl()->text(), QStringLiteral("0"));
    QCOMPARE(t.Puntajep1Lbl()->text(), QStringLiteral("0"));
    QCOMPARE(t.Cartellbl()->text(), QStringLiteral("Juega Ana"));
}

void TstBoardRefresh::oneCpuCardShowsOnePictureAndOneCover()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p;
    p.cpu = { oros(1) };
    p.humano = { copas(1), copas(2) };
    p.mesa = { espadas(1) };
    p.tamPilaCpu = 20;
    p.tamPilaHumano = 16;
    QVERIFY(f.cargar(p));
    DisposicionClasica &t = f.clasica();
    QVERIFY(t.cartap1img()[0]->isVisible() && t.Image1()[0]->isVisible());
    for (int i = 1; i < 3; ++i)
        QVERIFY(!t.cartap1img().at(i)->isVisible() && !t.Image1().at(i)->isVisible());
    QVERIFY(!t.cartap2img()[2]->isVisible());
}

void TstBoardRefresh::pileShowsItsTopAndItsSize()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p;
    p.cpu = { oros(1), oros(2) };
    p.humano = { copas(1), copas(2) };
    p.mesa = { espadas(1), bastos(1) };
    p.pilaCpu = { oros(7), oros(6), oros(5), oros(4), oros(3) };
    p.tamPilaHumano = 5;
    QVERIFY(f.cargar(p));
    QVERIFY(f.clasica().montonimg()[0]->isVisible());
    QCOMPARE(f.clasica().montonimg()[0]->ruta(), f.rutaCarta(oros(7)));
    QCOMPARE(f.clasica().Contp1Lbl()->text(), QStringLiteral("5"));
    QCOMPARE(f.clasica().Contp2lbl()->text(), QStringLiteral("5"));
}

void TstBoardRefresh::refreshClearsTableAndHandMarksKeepsPileMarks()
{
    BoardFixture f(3);
    QVERIFY(f.iniciar());
    Posicion p;
    p.cpu = { bastos(1), bastos(2) };
    p.humano = { oros(1), copas(1), espadas(1) };
    p.mesa = { oros(2), bastos(3) };
    p.pilaCpu = { oros(3) };
    p.pilaHumano = { copas(3) };
    p.tamPilaCpu = 3;
    p.tamPilaHumano = 6;
    QVERIFY(f.cargar(p));
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.cartap2img()[0], Qt::RightButton);
    QTest::mouseClick(t.mesaimg()[0], Qt::LeftButton);
    QTest::mouseClick(t.montonimg()[0], Qt::LeftButton);
    QVERIFY(t.Checkp2()[0]->isChecked() && t.CheckMesa()[0]->isChecked()
            && t.CheckMonton()[0]->isChecked());
    // A move refreshes the board: copas(1) onto the own pile, then the CPU's turn.
    Raton::soltarEn(t.mesa(), 1, t.montonimg()[1]);
    QCOMPARE(f.estado().player2Lev.count(), 7);
    QVERIFY(!t.Checkp2()[0]->isChecked());
    QVERIFY(!t.CheckMesa()[0]->isChecked());
    QVERIFY(t.CheckMonton()[0]->isChecked());
}

void TstBoardRefresh::markOfAnEmptiedPileIsCleared()
{
    BoardFixture f(3);
    QVERIFY(f.iniciar());
    Posicion p;
    p.cpu = { bastos(1), bastos(2) };
    p.humano = { oros(1), copas(1), espadas(1) };
    p.mesa = { oros(2) };
    p.pilaCpu = { oros(3) };
    p.tamPilaHumano = 3;
    QVERIFY(f.cargar(p));
    QTest::mouseClick(f.clasica().montonimg()[0], Qt::LeftButton);
    QVERIFY(f.estado().marcas.CheckMonton[0]);
    Posicion sinPila = p;
    sinPila.pilaCpu = {};
    sinPila.tamPilaHumano = 4;
    QVERIFY(f.cargar(sinPila));
    QVERIFY(!f.estado().marcas.CheckMonton[0]);
    QVERIFY(!f.clasica().CheckMonton()[0]->isChecked());
}

void TstBoardRefresh::cpuCardIsUncoveredAndEnlargedForThePause()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    DisposicionClasica &t = f.clasica();
    t.mesa().resize(784, 560); // scale 1: twips / 15
    const QRect antes = t.cartap1img()[0]->geometry();
    QRect durante;
    bool cubiertaDurante = true;
    f.pausa().setDurante([&] {
        durante = t.cartap1img()[0]->geometry();
        cubiertaDurante = t.Image1()[0]->isVisible();
    });
    f.pausa().limpiar();
    f.ventana().compases().ResaltarCarta(Imagen { GrupoImagen::cartap1img, 0 }, 1000, [] {});
    QCOMPARE(f.pausa().esperas(), QList<int> { 1000 });
    QVERIFY(!cubiertaDurante);
    // It grows by 400 twips and keeps covering its place; where it goes is the
    // enlarged-card tests' concern.
    QCOMPARE(durante.size(), QSize(qRound(1600 / 15.0), qRound(2215 / 15.0)));
    QVERIFY(durante.contains(antes));
    QCOMPARE(t.cartap1img()[0]->geometry(), antes);
    QVERIFY(t.Image1()[0]->isVisible());
}

void TstBoardRefresh::tableCardPauseChangesNoCover()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    DisposicionClasica &t = f.clasica();
    QList<bool> antes;
    for (CardPicture *c : t.Image1())
        antes << c->isVisible();
    QList<bool> cubiertas;
    f.pausa().setDurante([&] {
        for (CardPicture *c : t.Image1())
            cubiertas << c->isVisible();
    });
    f.ventana().compases().ResaltarCarta(Imagen { GrupoImagen::mesaimg, 0 }, 800, [] {});
    QCOMPARE(cubiertas, antes);
}

void TstBoardRefresh::emptyCardBackSettingUsesTheDefaultAndStaysEmpty()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    for (CardPicture *c : f.clasica().Image1())
        QCOMPARE(c->ruta(), f.dir().ruta(QStringLiteral("dibujo.jpg")));
    QVERIFY(f.ventana().juego().preferencias().reverso.isEmpty());
}

void TstBoardRefresh::missingCardBackFallsBackSilently()
{
    BoardFixture f;
    Preferencias p;
    p.reverso = f.dir().ruta(QStringLiteral("no-existe.jpg"));
    f.ventana().juego().aceptarPreferencias(p); // stored in lastprop.dat
    QVERIFY(f.ventana().Form_Load());
    const QString porDefecto = f.dir().ruta(QStringLiteral("dibujo.jpg"));
    for (CardPicture *c : f.clasica().Image1())
        QCOMPARE(c->ruta(), porDefecto);
    QCOMPARE(f.ventana().juego().preferencias().reverso, porDefecto);
    QVERIFY(f.dialogos().textos().isEmpty());
}

void TstBoardRefresh::sevenTableCardsFillEveryPlace()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    Posicion p;
    p.cpu = { oros(1) };
    p.humano = { oros(2) };
    p.mesa = { copas(1), copas(2), copas(3), espadas(1), espadas(2), bastos(1), bastos(2) };
    p.tamPilaCpu = 20;
    p.tamPilaHumano = 11;
    QVERIFY(f.cargar(p));
    for (CardPicture *c : f.clasica().mesaimg())
        QVERIFY(c->isVisible());
}

// The hand that gives the human the third point: the board's score says 3
// while the results window is open, not the old 2.
void TstBoardRefresh::thirdPointShowsBeforeTheResults()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    const Posicion p = Posicion::terceraManoDelHumano();
    QVERIFY(f.cargar(p));
    QStringList vistos;
    QTimer cerrar;
    connect(&cerrar, &QTimer::timeout, &f.ventana(), [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *resultados = qobject_cast<WinnerDialogFrm *>(w);
            if (!resultados || !resultados->isVisible())
                continue;
            vistos << f.clasica().Puntajep1Lbl()->text() + QLatin1Char('-')
                    + f.clasica().Puntajep2Lbl()->text();
            resultados->close();
        }
    });
    cerrar.start(1);

    Raton::soltarEnFondo(f.mesa(), 0);
    QVERIFY(f.esperarTurno());
    QCOMPARE(vistos, QStringList { QStringLiteral("1-3") });
    QVERIFY(f.dialogos().textos().contains(QStringLiteral("¿Jugar de nuevo?")));
    QCOMPARE(f.clasica().Puntajep2Lbl()->text(), QStringLiteral("0")); // the new game's
}

void TstBoardRefresh::newNameShowsAtOnceWhereverTheNameStands()
{
    BoardFixture f(3);
    QVERIFY(f.iniciar());
    QCOMPARE(f.clasica().Cartellbl()->text(), QStringLiteral("Juega Ana"));
    f.dialogos().responderTexto(QStringLiteral("Lucía"));
    f.ventana().juego().ordenar(OrdenDelJuego::Nombre);
    QCOMPARE(f.clasica().Label2()->text(), QStringLiteral("Lucía"));
    QCOMPARE(f.clasica().Cartellbl()->text(), QStringLiteral("Juega Lucía"));
}

ZELBO_TEST_MAIN(TstBoardRefresh)
#include "tst_board_refresh.moc"
