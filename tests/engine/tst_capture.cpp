// SPDX-License-Identifier: GPL-3.0-or-later

#include "captura.h"
#include "cargarmazo.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QTest>

using namespace Naipes;

class TestCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void humanLiftThroughTheBoard();
    void tableLiftStacksHighestPlaceOnTop_data();
    void tableLiftStacksHighestPlaceOnTop();
    void takingThePileTurnsItUnderTheHandCard_data();
    void takingThePileTurnsItUnderTheHandCard();
    void pileMarkWinsOverTableMarks();
    void cpuLiftRecordsTheCpuEvenWhenNothingMoves();
    void collectedTableGoesUnderThePileInTableOrder();

private:
    Mazo m_mazo;
};

void TestCapture::initTestCase()
{
    const TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    CargarMazo(m_mazo, dir.path());
}

void TestCapture::humanLiftThroughTheBoard()
{
    TestGame t(1);
    QVERIFY(t.valido());
    Posicion p;
    p.humano = { copas(1), oros(1), espadas(1) };
    p.cpu = { bastos(5), bastos(6), bastos(7) };
    p.mesa = { copas(2), oros(2), bastos(2), oros(3) };
    p.pilaHumano = { bastos(1) };
    p.pilaCpu = { bastos(3) };
    p.tamPilaCpu = 5;
    QVERIFY(t.cargar(p));

    t.juego().pulsar({ GrupoImagen::cartap2img, 1 });
    t.juego().pulsar({ GrupoImagen::mesaimg, 1 });
    t.juego().pulsar({ GrupoImagen::mesaimg, 3 });
    t.juego().intentar(Intento::levantar());

    QVERIFY(t.dialogos().mensajes().isEmpty());
    QVERIFY(!t.fotos().isEmpty());
    const GameState &e = t.fotos().first();
    QCOMPARE(Posicion::numeros(e.player2), (QList<int> { copas(1), espadas(1) }));
    QCOMPARE(Posicion::numeros(e.lamesa), (QList<int> { copas(2), bastos(2) }));
    QCOMPARE(Posicion::numeros(e.player2Lev),
             (QList<int> { oros(3), oros(2), oros(1), bastos(1) }));
    QCOMPARE(e.ultimoEnLevantar, Lado::Humano);
    // The refresh after the lift shows no card marked.
    QCOMPARE(e.marcas.CheckMesa, (std::array<bool, Marcas::kMesa> {}));
    QCOMPARE(e.marcas.Checkp2, (std::array<bool, Marcas::kMano> {}));
}

void TestCapture::tableLiftStacksHighestPlaceOnTop_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("marcadas");
    QTest::addColumn<QList<int>>("mano");
    QTest::addColumn<QList<int>>("mesa");
    QTest::addColumn<QList<int>>("pila");

    // Hand H0..H2 = 1, 2, 3; table T0..T3 = 11..14; pile P = 21.
    using L = QList<int>;
    QTest::newRow("H1 with T1 and T3")
        << 1 << L { 1, 3 } << L { 1, 3 } << L { 11, 13 } << L { 14, 12, 2, 21 };
    QTest::newRow("H0 with T1 and T3")
        << 0 << L { 1, 3 } << L { 2, 3 } << L { 11, 13 } << L { 14, 12, 1, 21 };
    QTest::newRow("H2 with T1 and T3")
        << 2 << L { 1, 3 } << L { 1, 2 } << L { 11, 13 } << L { 14, 12, 3, 21 };
    QTest::newRow("H1 with T0") << 1 << L { 0 } << L { 1, 3 } << L { 12, 13, 14 }
                                << L { 11, 2, 21 };
    QTest::newRow("H2 with the whole table")
        << 2 << L { 0, 1, 2, 3 } << L { 1, 2 } << L {} << L { 14, 13, 12, 11, 3, 21 };
}

void TestCapture::tableLiftStacksHighestPlaceOnTop()
{
    QFETCH(int, slot);
    QFETCH(QList<int>, marcadas);
    QFETCH(QList<int>, mano);
    QFETCH(QList<int>, mesa);
    QFETCH(QList<int>, pila);

    Posicion p;
    p.humano = { 1, 2, 3 };
    p.mesa = { 11, 12, 13, 14 };
    p.pilaHumano = { 21 };
    GameState e = p.estado(m_mazo);
    e.marcas.Checkp2.at(static_cast<std::size_t>(slot)) = true;
    for (int j : marcadas)
        e.marcas.CheckMesa.at(static_cast<std::size_t>(j)) = true;

    Captura::Levantar(e, Lado::Humano);
    QCOMPARE(Posicion::numeros(e.player2), mano);
    QCOMPARE(Posicion::numeros(e.lamesa), mesa);
    QCOMPARE(Posicion::numeros(e.player2Lev), pila);
    QCOMPARE(e.ultimoEnLevantar, Lado::Humano);
}

void TestCapture::takingThePileTurnsItUnderTheHandCard_data()
{
    QTest::addColumn<int>("quien");
    QTest::addColumn<QString>("ultimo");
    QTest::newRow("human takes the CPU's pile") << int(Lado::Humano) << QStringLiteral("p2");
    QTest::newRow("CPU takes the human's pile") << int(Lado::Cpu) << QStringLiteral("p1");
}

void TestCapture::takingThePileTurnsItUnderTheHandCard()
{
    QFETCH(int, quien);
    QFETCH(QString, ultimo);

    // The taker holds H = 1 with own pile [P = 21]; the other pile is [X, Y, Z] = [31, 32, 33].
    const bool humano = quien == int(Lado::Humano);
    Posicion p;
    (humano ? p.humano : p.cpu) = { 1 };
    (humano ? p.pilaHumano : p.pilaCpu) = { 21 };
    (humano ? p.pilaCpu : p.pilaHumano) = { 31, 32, 33 };
    p.mesa = { 11, 12 };
    GameState e = p.estado(m_mazo);
    (humano ? e.marcas.Checkp2 : e.marcas.Checkp1)[0] = true;
    e.marcas.CheckMonton.at(humano ? 0 : 1) = true;

    Captura::Levantar(e, static_cast<Lado>(quien));
    QCOMPARE(Posicion::numeros(humano ? e.player2Lev : e.player1Lev),
             (QList<int> { 1, 33, 32, 31, 21 }));
    QVERIFY((humano ? e.player1Lev : e.player2Lev).isEmpty());
    QVERIFY((humano ? e.player2 : e.player1).isEmpty());
    QCOMPARE(e.marcas.CheckMonton.at(humano ? 0 : 1), false);
    QCOMPARE(Posicion::numeros(e.lamesa), (QList<int> { 11, 12 }));
    QCOMPARE(Posicion::ultimo(e.ultimoEnLevantar), ultimo);
}

void TestCapture::pileMarkWinsOverTableMarks()
{
    Posicion p;
    p.humano = { 1, 2 };
    p.mesa = { 11, 12, 13 };
    p.pilaCpu = { 31, 32 };
    GameState e = p.estado(m_mazo);
    e.marcas.Checkp2[1] = true;
    e.marcas.CheckMonton[0] = true;
    e.marcas.CheckMesa[0] = true;
    e.marcas.CheckMesa[2] = true;

    Captura::Levantar(e, Lado::Humano);
    QCOMPARE(Posicion::numeros(e.player2Lev), (QList<int> { 2, 32, 31 }));
    QCOMPARE(Posicion::numeros(e.lamesa), (QList<int> { 11, 12, 13 }));
    QCOMPARE(Posicion::numeros(e.player2), (QList<int> { 1 }));
}

void TestCapture::cpuLiftRecordsTheCpuEvenWhenNothingMoves()
{
    Posicion p;
    p.cpu = { 1, 2 };
    p.mesa = { 11 };
    p.pilaCpu = { 31 };
    GameState e = p.estado(m_mazo);
    e.ultimoEnLevantar = Lado::Humano;

    Captura::Levantar(e, Lado::Cpu);
    QCOMPARE(e.ultimoEnLevantar, Lado::Cpu);
    QCOMPARE(Posicion::numeros(e.player1), (QList<int> { 1, 2 }));
    QCOMPARE(Posicion::numeros(e.player1Lev), (QList<int> { 31 }));
    QCOMPARE(Posicion::numeros(e.lamesa), (QList<int> { 11 }));
}

void TestCapture::collectedTableGoesUnderThePileInTableOrder()
{
    Posicion p;
    p.mesa = { 11, 12, 13 };
    p.pilaCpu = { 31, 32 };
    GameState e = p.estado(m_mazo);

    Captura::RecogerMesa(e, e.player1Lev);
    QCOMPARE(Posicion::numeros(e.player1Lev), (QList<int> { 31, 32, 11, 12, 13 }));
    QVERIFY(e.lamesa.isEmpty());
    Captura::RecogerMesa(e, e.player2Lev);
    QVERIFY(e.player2Lev.isEmpty());
}

ZELBO_TEST_GUILESS_MAIN(TestCapture)
#include "tst_capture.moc"
