// SPDX-License-Identifier: GPL-3.0-or-later

#include "posicion.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QTest>

using namespace Naipes;

namespace {

// The human holds oros(1), copas(1), espadas(1); the CPU's pile has copas on top.
Posicion mano(const QList<int> &mesa)
{
    Posicion p;
    p.humano = { oros(1), copas(1), espadas(1) };
    p.cpu = { bastos(5), bastos(6), bastos(7) };
    p.mesa = mesa;
    p.pilaCpu = { copas(4) };
    p.pilaHumano = { bastos(1) };
    const int resto = 16 - 8 - static_cast<int>(mesa.size());
    p.tamPilaCpu = 1 + resto / 2;
    p.tamPilaHumano = 1 + resto - resto / 2;
    return p;
}

} // namespace

class TestLaying : public QObject
{
    Q_OBJECT

private slots:
    void layRefusedWhileATableCardHasItsPalo();
    void laidCardGoesToTheEndOfTheTable_data();
    void laidCardGoesToTheEndOfTheTable();
    void droppedOnAPileItGoesOnTheOwnPile();
};

void TestLaying::layRefusedWhileATableCardHasItsPalo()
{
    TestGame t(1);
    QVERIFY(t.valido());
    const Posicion p = mano({ espadas(2), oros(2) });
    QVERIFY(t.cargar(p));

    t.juego().intentar(Intento::tirar(0));
    QCOMPARE(t.dialogos().textos(), QStringList { QStringLiteral("Tienes cartas para levantar") });
    QCOMPARE(t.dialogos().mensajes().first().titulo, QStringLiteral("Zelbo"));
    QCOMPARE(t.dialogos().mensajes().first().botones, DialogService::Botones::Ok);
    QCOMPARE(Posicion::numeros(t.estado().player2), p.humano);
    QCOMPARE(Posicion::numeros(t.estado().lamesa), p.mesa);
    QCOMPARE(t.vista().actualizaciones(), 0);
    QVERIFY(t.vista().carteles().isEmpty());

    // Still the human's turn: a card without a match is laid.
    t.juego().intentar(Intento::tirar(1));
    QCOMPARE(t.dialogos().mensajes().size(), 1);
    QVERIFY(!t.fotos().isEmpty());
    QCOMPARE(Posicion::numeros(t.fotos().first().lamesa),
             (QList<int> { espadas(2), oros(2), copas(1) }));
}

void TestLaying::laidCardGoesToTheEndOfTheTable_data()
{
    QTest::addColumn<QList<int>>("mesa");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("mesaTras");
    QTest::addColumn<QList<int>>("manoTras");

    using L = QList<int>;
    QTest::newRow("empty table takes any card")
        << L {} << 0 << L { oros(1) } << L { copas(1), espadas(1) };
    QTest::newRow("second of three")
        << L { bastos(2) } << 1 << L { bastos(2), copas(1) } << L { oros(1), espadas(1) };
    QTest::newRow("third, while another card could lift")
        << L { oros(2), copas(2) } << 2 << L { oros(2), copas(2), espadas(1) }
        << L { oros(1), copas(1) };
    // Only the table is looked at, not the CPU's pile with copas on top.
    QTest::newRow("a card that could take the CPU's pile")
        << L { bastos(2) } << 1 << L { bastos(2), copas(1) } << L { oros(1), espadas(1) };
}

void TestLaying::laidCardGoesToTheEndOfTheTable()
{
    QFETCH(QList<int>, mesa);
    QFETCH(int, slot);
    QFETCH(QList<int>, mesaTras);
    QFETCH(QList<int>, manoTras);

    TestGame t(1);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(mano(mesa)));
    t.juego().intentar(Intento::tirar(slot));

    QVERIFY(t.dialogos().mensajes().isEmpty());
    QVERIFY(!t.fotos().isEmpty());
    QCOMPARE(Posicion::numeros(t.fotos().first().lamesa), mesaTras);
    QCOMPARE(Posicion::numeros(t.fotos().first().player2), manoTras);
    // The human's turn is over.
    QCOMPARE(t.vista().carteles().first(), QStringLiteral("Juega CPU"));
}

void TestLaying::droppedOnAPileItGoesOnTheOwnPile()
{
    TestGame t(1);
    QVERIFY(t.valido());
    QVERIFY(t.hacerUltimoEnLevantar(Lado::Cpu));
    QVERIFY(t.cargar(mano({ oros(2) })));
    const QList<int> pilaCpu = Posicion::numeros(t.estado().player1Lev);
    const QList<int> pilaHumano = Posicion::numeros(t.estado().player2Lev);

    // oros(1) could lift oros(2); no palo is asked for on the pile.
    t.juego().intentar(Intento::alMonton(0));
    QVERIFY(t.dialogos().mensajes().isEmpty());
    QVERIFY(!t.fotos().isEmpty());
    const GameState &e = t.fotos().first();
    QCOMPARE(Posicion::numeros(e.player2Lev), QList<int> { oros(1) } + pilaHumano);
    QCOMPARE(Posicion::numeros(e.player1Lev), pilaCpu);
    QCOMPARE(Posicion::numeros(e.player2), (QList<int> { copas(1), espadas(1) }));
    QCOMPARE(Posicion::numeros(e.lamesa), QList<int> { oros(2) });
    // Putting a card on the pile is no lift.
    QCOMPARE(e.ultimoEnLevantar, Lado::Cpu);
}

ZELBO_TEST_GUILESS_MAIN(TestLaying)
#include "tst_laying.moc"
