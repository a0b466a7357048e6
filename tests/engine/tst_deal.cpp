// SPDX-License-Identifier: GPL-3.0-or-later

#include "cargarmazo.h"
#include "generadormt64.h"
#include "mersennerandom.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "testgame.h"
#include "zelbomod.h"

#include <QSet>
#include <QTest>
#include <array>
#include <random>
#include <sstream>

namespace {

QString numeros(const CardList &lista)
{
    return Posicion::textos(lista).join(QLatin1Char(' '));
}

// The lists of a deal, for comparison and for a readable failure.
QString reparto(const CardList &mesa, const CardList &mano1, const CardList &mano2)
{
    return QStringLiteral("mesa %1 | cpu %2 | humano %3")
        .arg(numeros(mesa), numeros(mano1), numeros(mano2));
}

// A hand being dealt outside the game: the deck and the lists Repartir fills.
struct Mano
{
    Mazo mazo;
    CardList mesa;
    CardList cpu;
    CardList humano;
    CardList apartadas; // cards played since, wherever they went
    std::uint8_t repartidas = 0;
    bool primero = true;

    void repartir(RandomSource &azar)
    {
        Zelbomod::Repartir(mesa, cpu, humano, mazo, Mazo::kCartas, repartidas, primero, 3, 3, 4,
                           azar);
    }
    // Both hands played out, as between two deals.
    void jugarManos()
    {
        for (CardList *mano : { &cpu, &humano }) {
            for (const CardId c : *mano)
                apartadas.append(c);
            mano->clear();
        }
    }
};

} // namespace

class TestDeal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstDealOfAGameGivesFourToTableAndThreeToEachHand_data();
    void firstDealOfAGameGivesFourToTableAndThreeToEachHand();
    void laterDealsGiveThreeEachAndNothingToTheTable();
    void wholeHandDealsEveryCardOnce();
    void seededDealMatchesRecordedCards_data();
    void seededDealMatchesRecordedCards();
    void buscarCartaFindsPositionOrZero_data();
    void buscarCartaFindsPositionOrZero();
    void cardListKeepsOrderAndReadsEmptyPastTheEnd();
    void drawIsTheGeneratorsTop53BitsWithEveryLibrary();
    void generatorStateRestoresTheSameDraws();
    void blockGeneratorMatchesTheLibrarysEngine_data();
    void blockGeneratorMatchesTheLibrarysEngine();
    void drawOutsideASetMakesTheDrawsOfThePlainLoop();

private:
    Mazo m_mazo;
};

void TestDeal::initTestCase()
{
    const TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    CargarMazo(m_mazo, dir.path());
}

void TestDeal::firstDealOfAGameGivesFourToTableAndThreeToEachHand_data()
{
    QTest::addColumn<quint64>("semilla");
    for (quint64 s : { 1, 2, 3, 4, 5, 6, 7, 8 })
        QTest::addRow("seed %llu", s) << s;
}

void TestDeal::firstDealOfAGameGivesFourToTableAndThreeToEachHand()
{
    QFETCH(quint64, semilla);
    TestGame t(semilla);
    QVERIFY(t.valido());
    t.iniciar();

    // The board as the deal left it, before anybody played.
    QVERIFY(!t.fotos().isEmpty());
    const GameState &e = t.fotos().first();
    QCOMPARE(e.lamesa.count(), 4);
    QCOMPARE(e.player1.count(), 3);
    QCOMPARE(e.player2.count(), 3);
    QCOMPARE(e.cartasRepartidas, 10);
    QCOMPARE(e.primerReparto, false);
    QSet<int> cartas;
    for (const CardList *l : { &e.lamesa, &e.player1, &e.player2 })
        for (const CardId carta : *l)
            cartas.insert(carta);
    QCOMPARE(cartas.size(), 10);
    QCOMPARE(e.faltaDeConsistencia(), QString());
}

void TestDeal::laterDealsGiveThreeEachAndNothingToTheTable()
{
    MersenneRandom azar(11);
    Mano m { m_mazo, {}, {}, {}, {}, 0, true };
    m.repartir(azar);
    // The table as the players left it after the first round.
    m.mesa.removeAt(1);
    m.mesa.append(m.cpu.at(0));
    const QString mesa = numeros(m.mesa);
    for (int repartidas = 16; repartidas <= 40; repartidas += 6) {
        m.jugarManos();
        m.repartir(azar);
        QCOMPARE(m.repartidas, repartidas);
        QCOMPARE(numeros(m.mesa), mesa);
        QCOMPARE(m.cpu.count(), 3);
        QCOMPARE(m.humano.count(), 3);
        QCOMPARE(m.primero, false);
    }
    // Nothing is left: a further deal gives nothing.
    m.jugarManos();
    m.repartir(azar);
    QCOMPARE(m.repartidas, 40);
    QVERIFY(m.cpu.isEmpty() && m.humano.isEmpty());
}

void TestDeal::wholeHandDealsEveryCardOnce()
{
    for (quint64 semilla = 1; semilla <= 50; ++semilla) {
        MersenneRandom azar(semilla);
        Mano m { m_mazo, {}, {}, {}, {}, 0, true };
        for (int deal = 0; deal < 6; ++deal) {
            m.repartir(azar);
            m.jugarManos();
        }
        QStringList todas = Posicion::textos(m.mesa) + Posicion::textos(m.apartadas);
        QCOMPARE(todas.size(), 40);
        QCOMPARE(QSet<QString>(todas.begin(), todas.end()).size(), 40);
        for (int n = 1; n <= Mazo::kCartas; ++n)
            QVERIFY2(m.mazo.carta(n).repartida(), qPrintable(QString::number(n)));
    }
}

void TestDeal::seededDealMatchesRecordedCards_data()
{
    // Recorded once from the game. They change, and must be recorded again,
    // when the order of the rows in data/naipe40.sql changes (the card numbers
    // are the rows), when the generator or the way a draw becomes a card
    // changes, or when the deal's order (table, CPU, human) changes.
    QTest::addColumn<quint64>("semilla");
    QTest::addColumn<QString>("primero");
    QTest::addColumn<QString>("segundo");
    QTest::newRow("seed 42") << quint64(42)
                             << QStringLiteral("mesa 31 26 6 37 | cpu 4 23 15 | humano 11 16 1")
                             << QStringLiteral("mesa 31 26 6 37 | cpu 21 28 34 | humano 38 18 2");
    QTest::newRow("seed 2024") << quint64(2024)
                               << QStringLiteral("mesa 25 32 11 14 | cpu 1 6 38 | humano 23 10 22")
                               << QStringLiteral("mesa 25 32 11 14 | cpu 30 2 7 | humano 31 18 39");
}

void TestDeal::seededDealMatchesRecordedCards()
{
    QFETCH(quint64, semilla);
    QFETCH(QString, primero);
    QFETCH(QString, segundo);

    MersenneRandom azar(semilla);
    Mano m { m_mazo, {}, {}, {}, {}, 0, true };
    m.repartir(azar);
    QCOMPARE(reparto(m.mesa, m.cpu, m.humano), primero);
    m.jugarManos();
    m.repartir(azar);
    QCOMPARE(reparto(m.mesa, m.cpu, m.humano), segundo);
}

void TestDeal::buscarCartaFindsPositionOrZero_data()
{
    QTest::addColumn<QList<int>>("lista");
    QTest::addColumn<int>("carta");
    QTest::addColumn<int>("posicion");

    const QList<int> tres { 5, 17, 40 };
    QTest::newRow("17 in the middle") << tres << 17 << 1;
    QTest::newRow("5 first") << tres << 5 << 0;
    QTest::newRow("40 last") << tres << 40 << 2;
    QTest::newRow("22 absent") << tres << 22 << 0;
    QTest::newRow("empty list") << QList<int> {} << 17 << 0;
}

void TestDeal::buscarCartaFindsPositionOrZero()
{
    QFETCH(QList<int>, lista);
    QFETCH(int, carta);
    QFETCH(int, posicion);

    const CardList l = Posicion::lista(lista);
    QCOMPARE(Zelbomod::BuscarCarta(l, static_cast<std::int16_t>(carta)), posicion);
}

void TestDeal::cardListKeepsOrderAndReadsEmptyPastTheEnd()
{
    CardList l = Posicion::lista({ 7, 12, 30 });
    l.insert(1, 5);
    QCOMPARE(Posicion::numeros(l), (QList<int> { 7, 5, 12, 30 }));
    l.removeAt(2);
    QCOMPARE(Posicion::numeros(l), (QList<int> { 7, 5, 30 }));
    l.insert(3, 1);
    QCOMPARE(int(l.at(3)), 1);
    QCOMPARE(l.count(), 4);
    QCOMPARE(int(l.at(4)), int(kSinCarta));
    QCOMPARE(int(l.at(100)), int(kSinCarta));
    QCOMPARE(int(l.at(-1)), int(kSinCarta));
    // A position outside the list removes nothing.
    l.removeAt(4);
    l.removeAt(-1);
    QCOMPARE(Posicion::numeros(l), (QList<int> { 7, 5, 30, 1 }));
    l.clear();
    QCOMPARE(int(l.at(0)), int(kSinCarta));
    QVERIFY(l.isEmpty());
    // Every card of the deck fits, top first, as a pile that took them all.
    for (int n = 1; n <= Mazo::kCartas; ++n)
        l.insert(0, static_cast<CardId>(n));
    QCOMPARE(l.count(), Mazo::kCartas);
    QCOMPARE(int(l.at(0)), 40);
    QCOMPARE(int(l.at(39)), 1);
}

void TestDeal::drawIsTheGeneratorsTop53BitsWithEveryLibrary()
{
    // The C++ standard fixes the 10000th output of a default-seeded
    // mt19937_64; the draw made of it must not depend on anything else.
    MersenneRandom azar(5489);
    for (int i = 1; i < 10000; ++i)
        azar.next();
    const double esperado = static_cast<double>(9981545732273789042ULL >> 11) / 9007199254740992.0;
    QCOMPARE(azar.next(), esperado);
    // The largest draw stays below 1, so Int(40 * Rnd) + 1 never gives 41.
    QVERIFY(static_cast<int>(40 * (static_cast<double>((~0ULL) >> 11) / 9007199254740992.0)) + 1
            == 40);
}

void TestDeal::generatorStateRestoresTheSameDraws()
{
    MersenneRandom azar(99);
    azar.next();
    const std::string estado = azar.estado();
    QList<double> primeras;
    for (int i = 0; i < 400; ++i) // past one refill of the generator's state
        primeras.append(azar.next());
    MersenneRandom otro(1);
    QVERIFY(otro.restaurar(estado));
    QList<double> segundas;
    for (int i = 0; i < 400; ++i)
        segundas.append(otro.next());
    QCOMPARE(segundas, primeras);

    // A damaged state is refused and changes nothing.
    MersenneRandom intacto(1);
    const std::string antes = intacto.estado();
    QVERIFY(!intacto.restaurar("1 2 3"));
    QVERIFY(!intacto.restaurar(estado + " 7"));
    QCOMPARE(intacto.estado(), antes);
}

void TestDeal::blockGeneratorMatchesTheLibrarysEngine_data()
{
    QTest::addColumn<quint64>("semilla");
    QTest::newRow("0") << quint64 { 0 };
    QTest::newRow("default 5489") << quint64 { 5489 };
    QTest::newRow("game 999999") << quint64 { 999999 };
    QTest::newRow("all ones") << ~quint64 { 0 };
}

// The game's generator replaces the library's std::mt19937_64 for speed; it
// must give the same numbers, and write and read the same state text, which a
// game kept between runs stores.
void TestDeal::blockGeneratorMatchesTheLibrarysEngine()
{
    QFETCH(quint64, semilla);
    std::mt19937_64 biblioteca(semilla);
    GeneradorMt64 bloque(semilla);
    const auto textoDe = [](const std::mt19937_64 &g) {
        std::ostringstream texto;
        texto << g;
        return texto.str();
    };
    // Past several blocks of 312, with the state compared inside and at their edges.
    for (int i = 0; i < 1300; ++i) {
        if (i % 104 == 0)
            QCOMPARE(bloque.estado(), textoDe(biblioteca));
        QCOMPARE(bloque(), biblioteca());
    }
    // A state the library wrote in mid-block is taken up where it was.
    for (int i = 0; i < 77; ++i)
        biblioteca();
    GeneradorMt64 restaurado(1);
    QVERIFY(restaurado.restaurar(textoDe(biblioteca)));
    for (int i = 0; i < 700; ++i)
        QCOMPARE(restaurado(), biblioteca());
    // And the library takes up the state the game's generator wrote.
    std::istringstream texto(restaurado.estado());
    std::mt19937_64 leido;
    texto >> leido;
    QVERIFY(!texto.fail());
    QVERIFY(leido == biblioteca);
}

// The deal draws int(40 * next()) until it finds a card neither dealt nor
// drawn; the generator's one-call version of that loop must make the very same
// draws, and leave the generator where the loop would.
void TestDeal::drawOutsideASetMakesTheDrawsOfThePlainLoop()
{
    MersenneRandom plano(2024);
    const std::uint64_t yaDadas = 0x5A5ULL;
    std::uint64_t excluidos = yaDadas;
    std::array<int, Mazo::kCartas> esperadas {};
    const int cuantas = Mazo::kCartas - 6;
    for (int i = 0; i < cuantas; ++i) {
        int k = 0;
        do
            k = static_cast<int>(Mazo::kCartas * plano.next());
        while ((excluidos >> k) & 1U);
        esperadas[static_cast<std::size_t>(i)] = k;
        excluidos |= std::uint64_t { 1 } << k;
    }
    MersenneRandom rapido(2024);
    std::array<int, Mazo::kCartas> sacadas {};
    rapido.enterosFuera(Mazo::kCartas, yaDadas, cuantas, sacadas.data());
    QCOMPARE(sacadas, esperadas);
    QCOMPARE(rapido.next(), plano.next());
    // The base class's version, which another generator would inherit, draws alike.
    MersenneRandom base(2024);
    std::array<int, Mazo::kCartas> heredadas {};
    base.RandomSource::enterosFuera(Mazo::kCartas, yaDadas, cuantas, heredadas.data());
    QCOMPARE(heredadas, esperadas);
}

ZELBO_TEST_GUILESS_MAIN(TestDeal)
#include "tst_deal.moc"
