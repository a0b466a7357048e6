// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "boardwidget.h"
#include "cardpicture.h"
#include "markbox.h"
#include "raton.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using namespace Naipes;

namespace {

Posicion posicion()
{
    Posicion p;
    p.humano = { oros(10), copas(1) };
    p.cpu = { espadas(1), espadas(2) };
    p.mesa = { bastos(1), oros(8) };
    p.pilaCpu = { copas(5) };
    p.tamPilaCpu = 10;
    return p;
}

QString nombre(QObject *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

QAccessible::Role papel(QObject *control)
{
    return QAccessible::queryAccessibleInterface(control)->role();
}

// The name-change events raised while a test runs, by the object they name.
// Qt takes the handler as a plain function, so the record cannot be a member.
QList<QObject *> g_cambios;

void registrar(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged)
        g_cambios << event->object();
}

} // namespace

class TstBoardAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namesAndRolesOfADealtBoard();
    void namesFollowTheMarksAndTheMoves();
    void aStatusMessageRaisesANameChange();
    void renameInTheLastRoundIsToldAtOnce();
};

void TstBoardAccess::initTestCase()
{
    // As a screen reader connected: events are raised, and come to us.
    QAccessible::installUpdateHandler(&registrar);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QVERIFY(QAccessible::isActive());
}

void TstBoardAccess::namesAndRolesOfADealtBoard()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    BoardWidget &t = f.tablero();
    QCOMPARE(nombre(t.cartap2img[0]), "Rey de oros, en tu mano");
    QCOMPARE(papel(t.cartap2img[0]), QAccessible::Button);
    QCOMPARE(nombre(t.mesaimg[1]), "Sota de oros, en la mesa");
    QCOMPARE(papel(t.mesaimg[1]), QAccessible::Button);
    QCOMPARE(nombre(t.mesaimg[2]), "Lugar 3 de la mesa, vacío");
    QCOMPARE(nombre(t.Image1[0]), "Carta de la CPU, boca abajo");
    QCOMPARE(nombre(t.cartap1img[1]), "Carta de la CPU, boca abajo"); // never its face
    QCOMPARE(nombre(t.cartap1img[2]), "Lugar 3 de la mano de la CPU, vacío");
    QCOMPARE(papel(t.Image1[0]), QAccessible::Graphic);
    QCOMPARE(nombre(t.montonimg[0]), "Montón de la CPU, 10 cartas, arriba el 5 de copas");
    QCOMPARE(nombre(t.montonimg[1]), "Tu montón, vacío");
    QCOMPARE(papel(t.montonimg[1]), QAccessible::Graphic);
    QCOMPARE(nombre(t.Checkp2[0]), "Marca del Rey de oros, en tu mano");
    QCOMPARE(nombre(t.CheckMesa[1]), "Marca de la Sota de oros, en la mesa");
    QCOMPARE(nombre(t.CheckMonton[0]), "Marca del montón de la CPU");
    for (QWidget *marca :
         { static_cast<QWidget *>(t.Checkp2[0]), static_cast<QWidget *>(t.CheckMesa[0]),
           static_cast<QWidget *>(t.CheckMonton[1]) })
        QCOMPARE(papel(marca), QAccessible::CheckBox);
    QCOMPARE(nombre(t.Contp1Lbl), "Montón de la CPU: 10 cartas");
    QCOMPARE(nombre(t.Contp2lbl), "Tu montón: 0 cartas");
    QCOMPARE(nombre(t.Puntajep2Lbl), "Tus puntos: 0");
    QCOMPARE(nombre(t.Cartellbl), "Turno: Juega Ana");
    QCOMPARE(papel(t.Cartellbl), QAccessible::StaticText);
    QCOMPARE(papel(f.ventana().statusBar()), QAccessible::StatusBar);
}

void TstBoardAccess::namesFollowTheMarksAndTheMoves()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    BoardWidget &t = f.tablero();
    QTest::mouseClick(t.cartap2img[0], Qt::LeftButton);
    QTest::mouseClick(t.mesaimg[1], Qt::LeftButton);
    QCOMPARE(nombre(t.cartap2img[0]), "Rey de oros, en tu mano, marcada");
    QCOMPARE(nombre(t.mesaimg[1]), "Sota de oros, en la mesa, marcada");
    QVERIFY(QAccessible::queryAccessibleInterface(t.CheckMesa[1])->state().checked);
    g_cambios.clear();
    QTest::mouseClick(t.LevantarBtn, Qt::LeftButton); // then the CPU lays espadas(1)
    QVERIFY(g_cambios.contains(t.cartap2img[0]) && g_cambios.contains(t.montonimg[1]));
    QCOMPARE(nombre(t.cartap2img[0]), "As de copas, en tu mano");
    QCOMPARE(nombre(t.cartap2img[1]), "Lugar 2 de tu mano, vacío");
    QCOMPARE(nombre(t.mesaimg[1]), "As de espadas, en la mesa");
    QCOMPARE(nombre(t.montonimg[1]), "Tu montón, 2 cartas, arriba la Sota de oros");
    QCOMPARE(nombre(t.Contp2lbl), "Tu montón: 2 cartas");
    QVERIFY(!QAccessible::queryAccessibleInterface(t.CheckMesa[1])->state().checked);
}

void TstBoardAccess::aStatusMessageRaisesANameChange()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    QStatusBar *barra = f.ventana().statusBar();
    g_cambios.clear();
    Raton::soltarEn(f.tablero(), 0, f.tablero().Cartellbl); // a drop that does nothing
    QCOMPARE(g_cambios.count(barra), 1);
    QCOMPARE(nombre(barra), barra->currentMessage());
    QVERIFY(barra->currentMessage().startsWith(QStringLiteral("Ahí no se deja una carta")));
    Raton::soltarEn(f.tablero(), 0, f.tablero().Cartellbl); // the same words again
    QCOMPARE(g_cambios.count(barra), 2);
    Raton::soltarEn(f.tablero(), 0, f.tablero().mesaimg[0]);
    QCOMPARE(g_cambios.count(barra), 3);
    QCOMPARE(nombre(barra), "El Rey de oros no es del palo del As de bastos: no levanta nada");
}

// In the last round the sign reads "Ultima ronda" and the status bar names who
// plays; a new name used to wait for the next turn there.
void TstBoardAccess::renameInTheLastRoundIsToldAtOnce()
{
    using namespace Naipes;
    BoardFixture f;
    QVERIFY(f.iniciar());
    // The human's last card of the fifth deal goes on the own pile; the last
    // deal follows.
    Posicion p;
    p.humano = { oros(1) };
    p.mesa = { copas(3) };
    p.pilaCpu = { copas(5) };
    p.pilaHumano = { bastos(8) };
    p.tamPilaCpu = 16;
    p.tamPilaHumano = 16;
    QCOMPARE(p.completa().repartidas(), 34);
    QVERIFY(f.cargar(p));
    f.ventana().juego().montonimg_DragDrop(0);
    QCOMPARE(f.estado().cartasRepartidas, 40);
    QStatusBar *barra = f.ventana().statusBar();
    QCOMPARE(f.tablero().Cartellbl->text(), QStringLiteral("Ultima ronda"));
    QVERIFY2(barra->currentMessage().endsWith(QStringLiteral("Última ronda: juega Ana")),
             qPrintable(barra->currentMessage()));

    f.dialogos().responderTexto(QStringLiteral("Lucía"));
    f.ventana().juego().nombremnu_Click();
    QCOMPARE(f.tablero().Label2->text(), QStringLiteral("Lucía"));
    QCOMPARE(f.tablero().Cartellbl->text(), QStringLiteral("Ultima ronda"));
    QVERIFY2(barra->currentMessage().endsWith(QStringLiteral("Última ronda: juega Lucía")),
             qPrintable(barra->currentMessage()));
}

QTEST_MAIN(TstBoardAccess)
#include "tst_board_access.moc"
