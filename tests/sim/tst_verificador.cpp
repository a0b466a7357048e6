// SPDX-License-Identifier: GPL-3.0-or-later

// The soak check's fault path: a run that never breaks a rule cannot show that
// a broken one is caught and told where it happened, so states are broken here by hand.

#include "gamestate.h"
#include "programadepruebas.h"
#include "verificacionerror.h"
#include "verificador.h"

#include <QTest>

namespace {

// A hand as dealt: cards 1-4 on the table, 5-7 to the CPU, 8-10 to the human.
GameState primerReparto()
{
    GameState e;
    for (int n = 1; n <= 10; ++n) {
        e.mazo.carta(n).a_repartida(true);
        CardList &lista = n <= 4 ? e.lamesa : n <= 7 ? e.player1 : e.player2;
        lista.append(static_cast<CardId>(n));
    }
    e.cartasRepartidas = 10;
    return e;
}

// The first fault's text, or an empty one.
QString falta(const Verificador &v)
{
    try {
        v.comprobar();
    } catch (const VerificacionError &e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

} // namespace

class TestVerificador : public QObject
{
    Q_OBJECT

private slots:
    void cleanRunHasNoFault();
    void cardInTwoPlacesNamesTheMove();
    void onlyTheFirstFaultIsKept();
    void handEndWithoutFortyCardsIsAFault();
    void faultInALaterGameNamesThatGameAndHand();
};

void TestVerificador::cleanRunHasNoFault()
{
    Verificador v(7);
    GameState e = primerReparto();
    v.trasActualizar(e);
    v.antesDelHumano();
    e.lamesa.append(e.player2.at(0));
    e.player2.removeAt(0);
    v.trasActualizar(e);
    QCOMPARE(falta(v), QString());
    QCOMPARE(v.repartos(), 1);
    QCOMPARE(v.movimientos(), 1);
}

void TestVerificador::cardInTwoPlacesNamesTheMove()
{
    Verificador v(77);
    GameState e = primerReparto();
    v.trasActualizar(e);
    v.antesDelHumano();
    e.player2Lev.insert(0, e.player2.at(0));
    e.player2.removeAt(0);
    v.trasActualizar(e);
    // The CPU's reply puts its card on its pile but leaves it in its hand too.
    e.player1Lev.insert(0, e.player1.at(0));
    v.trasActualizar(e);
    const QString f = falta(v);
    QVERIFY2(f.contains(QLatin1String("seed=77 game=1 hand=1 move=2 (cpu)")), qPrintable(f));
    QVERIFY2(f.contains(QLatin1String("carta 5")), qPrintable(f));
}

void TestVerificador::onlyTheFirstFaultIsKept()
{
    Verificador v(1);
    GameState e = primerReparto();
    e.lamesa.append(3);
    v.trasActualizar(e);
    e.lamesa.append(41);
    v.antesDelHumano();
    v.trasActualizar(e);
    const QString f = falta(v);
    QVERIFY2(f.contains(QLatin1String("move=0 (deal)")), qPrintable(f));
    QVERIFY2(f.contains(QLatin1String("carta 3")), qPrintable(f));
}

void TestVerificador::handEndWithoutFortyCardsIsAFault()
{
    Verificador v(3);
    GameState e;
    e.cartasRepartidas = 40;
    for (int n = 1; n <= 40; ++n) {
        e.mazo.carta(n).a_repartida(true);
        (n <= 25 ? e.player1Lev : e.player2Lev).append(static_cast<CardId>(n));
    }
    v.alContar(e, 25, 15);
    QCOMPARE(falta(v), QString());
    // Counters that lose a card on the way to the player.
    v.alContar(e, 25, 14);
    const QString f = falta(v);
    QVERIFY2(f.contains(QLatin1String("game=1 hand=2 move=0 (hand end)")), qPrintable(f));
    QVERIFY2(f.contains(QLatin1String("do not hold 40")), qPrintable(f));
    QCOMPARE(v.manos(), 2);
}

void TestVerificador::faultInALaterGameNamesThatGameAndHand()
{
    Verificador v(5);
    GameState fin;
    fin.cartasRepartidas = 40;
    for (int n = 1; n <= 40; ++n) {
        fin.mazo.carta(n).a_repartida(true);
        fin.player1Lev.append(static_cast<CardId>(n));
    }
    for (int partida = 1; partida <= 2; ++partida) {
        for (int mano = 1; mano <= 3; ++mano)
            v.alContar(fin, 40, 0);
        v.alTerminarPartida();
    }
    v.alContar(fin, 40, 0);
    GameState e = primerReparto();
    v.trasActualizar(e);
    v.antesDelHumano();
    e.player2.removeAt(2); // card 10 vanishes
    v.trasActualizar(e);
    const QString f = falta(v);
    QVERIFY2(f.contains(QLatin1String("game=3 hand=2 move=1 (human)")), qPrintable(f));
    QVERIFY2(f.contains(QLatin1String("carta 10")), qPrintable(f));
}

ZELBO_TEST_GUILESS_MAIN(TestVerificador)
#include "tst_verificador.moc"
