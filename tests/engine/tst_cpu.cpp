// SPDX-License-Identifier: GPL-3.0-or-later

#include "posicion.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QTest>

using namespace Naipes;

namespace {

// A position on the human's turn in which the human's first card goes on the
// human's own pile (or, with tira, onto the table) and the CPU then plays its
// first card. Cards no list names fill the bottom of the piles up to repartidas.
Posicion turno(int repartidas, const QList<int> &humano, const QList<int> &cpu,
               const QList<int> &mesa, const QList<int> &pilaCpu, const QList<int> &pilaHumano)
{
    Posicion p;
    p.humano = humano;
    p.cpu = cpu;
    p.mesa = mesa;
    p.pilaCpu = pilaCpu;
    p.pilaHumano = pilaHumano;
    const int resto = repartidas
        - static_cast<int>(humano.size() + cpu.size() + mesa.size() + pilaCpu.size()
                           + pilaHumano.size());
    p.tamPilaCpu = static_cast<int>(pilaCpu.size()) + resto / 2;
    p.tamPilaHumano = static_cast<int>(pilaHumano.size()) + resto - resto / 2;
    return p;
}

} // namespace

class TestCpu : public QObject
{
    Q_OBJECT

private slots:
    void cpuPlaysItsFirstCardByItsOrderOfPreference_data();
    void cpuPlaysItsFirstCardByItsOrderOfPreference();
    void humansMarkOnOwnPileDoesNotSteerTheCpu();
};

void TestCpu::cpuPlaysItsFirstCardByItsOrderOfPreference_data()
{
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<bool>("tira"); // the human lays the card instead
    QTest::addColumn<QStringList>("pausas");
    QTest::addColumn<QList<int>>("mesa"); // the table after the CPU's move
    QTest::addColumn<int>("tope"); // the CPU's pile top after its move
    QTest::addColumn<bool>("pilaHumanoVacia"); // after the CPU's move

    using L = QList<int>;
    using S = QStringList;
    const QString mano1000 = QStringLiteral("cartap1img(0) 1000");
    const QString pila1000 = QStringLiteral("montonimg(1) 1000");
    // The human plays oros(1) or copas(4); the CPU holds copas(1) and bastos(9).
    QTest::newRow("own pile top matches, before the table")
        << turno(16, { oros(1), oros(8) }, { copas(1), bastos(9) }, { copas(2), espadas(2) },
                 { copas(3) }, { bastos(8) })
        << false << S { "cartap1img(0) 1500" } << L { copas(2), espadas(2) } << copas(1) << false;
    QTest::newRow("both pile tops match: onto its own")
        << turno(16, { copas(4), oros(8) }, { copas(1), bastos(9) }, { espadas(2) }, { copas(3) },
                 { bastos(8) })
        << false << S { "cartap1img(0) 1500" } << L { espadas(2) } << copas(1) << false;
    QTest::newRow("human's pile top matches: takes the pile")
        << turno(16, { copas(4), oros(8) }, { copas(1), bastos(9) }, { oros(2), espadas(2) },
                 { espadas(3) }, { bastos(8) })
        << false << S { pila1000, mano1000 } << L { oros(2), espadas(2) } << copas(1) << true;
    QTest::newRow("human's pile and table match: only the pile")
        << turno(16, { copas(4), oros(8) }, { copas(1), bastos(9) }, { copas(2), espadas(2) },
                 { espadas(3) }, { bastos(8) })
        << false << S { pila1000, mano1000 } << L { copas(2), espadas(2) } << copas(1) << true;
    QTest::newRow("table places 0, 2 and 5 match")
        << turno(16, { oros(1), oros(8) }, { copas(1), bastos(9) },
                 { copas(2), oros(2), copas(3), espadas(2), bastos(2), copas(5) }, { espadas(3) },
                 { bastos(8) })
        << false << S { "mesaimg(0) 800", "mesaimg(2) 800", "mesaimg(5) 800", mano1000 }
        << L { oros(2), espadas(2), bastos(2) } << copas(5) << false;
    QTest::newRow("only the second card would match: lays the first")
        << turno(16, { oros(1), oros(8) }, { copas(1), bastos(9) }, { oros(2), bastos(2) },
                 { espadas(3) }, { bastos(8) })
        << false << S { mano1000 } << L { oros(2), bastos(2), copas(1) } << espadas(3) << false;
    QTest::newRow("empty table, no pile match: lays")
        << turno(16, { oros(1), oros(8) }, { copas(1), bastos(9) }, {}, { espadas(3) },
                 { bastos(8) })
        << false << S { mano1000 } << L { copas(1) } << espadas(3) << false;
    QTest::newRow("both piles empty: only the table counts")
        << turno(10, { bastos(1), oros(8) }, { copas(1), bastos(9) },
                 { oros(2), espadas(2), copas(2), espadas(3), oros(3), espadas(4) }, {}, {})
        << true << S { "mesaimg(2) 800", mano1000 }
        << L { oros(2), espadas(2), espadas(3), oros(3), espadas(4), bastos(1) } << copas(2)
        << true;
}

void TestCpu::cpuPlaysItsFirstCardByItsOrderOfPreference()
{
    QFETCH(Posicion, posicion);
    QFETCH(bool, tira);
    QFETCH(QStringList, pausas);
    QFETCH(QList<int>, mesa);
    QFETCH(int, tope);
    QFETCH(bool, pilaHumanoVacia);

    TestGame t(1);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(posicion));
    if (tira)
        t.juego().intentar(Intento::tirar(0));
    else
        t.juego().intentar(Intento::alMonton(0));

    QVERIFY(t.dialogos().mensajes().isEmpty());
    QCOMPARE(t.vista().resaltesTexto(), pausas);
    const GameState &e = t.estado();
    QCOMPARE(Posicion::numeros(e.lamesa), mesa);
    QCOMPARE(Posicion::numeros(e.player1).first(1), QList<int> { bastos(9) });
    QCOMPARE(int(e.player1Lev.at(0)), tope);
    QCOMPARE(e.player2Lev.isEmpty(), pilaHumanoVacia);
    QCOMPARE(t.vista().carteles().last(), QStringLiteral("Juega Ana"));
    QCOMPARE(e.faltaDeConsistencia(), QString());
}

void TestCpu::humansMarkOnOwnPileDoesNotSteerTheCpu()
{
    TestGame t(1);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(turno(16, { oros(1), oros(8) }, { copas(1), bastos(9) },
                           { copas(2), espadas(2) }, { espadas(3) }, { bastos(8) })));
    const int pilaHumano = t.estado().player2Lev.count();

    t.juego().alternarMarca({ GrupoImagen::montonimg, 1 });
    QVERIFY(t.estado().marcas.CheckMonton[1]);
    t.juego().intentar(Intento::alMonton(0));

    // The CPU lifts its table match; the human's pile, marked or not, stays.
    QCOMPARE(t.vista().resaltesTexto(), (QStringList { "mesaimg(0) 800", "cartap1img(0) 1000" }));
    QCOMPARE(t.estado().player2Lev.count(), pilaHumano + 1);
    QCOMPARE(Posicion::numeros(t.estado().lamesa), QList<int> { espadas(2) });
    QCOMPARE(int(t.estado().player1Lev.at(0)), copas(2));
    QCOMPARE(t.estado().marcas.CheckMonton[1], false);
}

ZELBO_TEST_GUILESS_MAIN(TestCpu)
#include "tst_cpu.moc"
