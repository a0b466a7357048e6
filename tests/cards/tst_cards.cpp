// SPDX-License-Identifier: GPL-3.0-or-later

#include "cachemazo.h"
#include "cardseterror.h"
#include "cargarmazo.h"
#include "classnaipe.h"
#include "classplayer.h"
#include "mazo.h"
#include "overflowerror.h"
#include "programadepruebas.h"
#include "testprogramdir.h"

#include <QFile>
#include <QSet>
#include <QTest>

namespace {

QString describir(const classNaipe &c)
{
    return QStringLiteral("%1|%2|%3|%4")
        .arg(c.numero())
        .arg(c.palo(), c.imagen())
        .arg(c.repartida());
}

QStringList describir(const Mazo &mazo)
{
    QStringList cartas;
    for (int n = 1; n <= Mazo::kCartas; ++n)
        cartas.append(describir(mazo.carta(n)));
    return cartas;
}

} // namespace

class TestCards : public QObject
{
    Q_OBJECT

private slots:
    void freshRecordsHoldInitialValues();
    void pointsOutsideAByteAreRefusedAndKept_data();
    void pointsOutsideAByteAreRefusedAndKept();
    void loadsFortyUndealtCardsFromTheCardSet();
    void reloadMakesEveryCardUndealtAgain();
    void damagedCardSetIsRefusedAndDeckKept_data();
    void damagedCardSetIsRefusedAndDeckKept();
    void rowsPastTheFortiethAreIgnored();
    void cardSetIsReadAgainOnlyWhenItsFileChanged();
};

void TestCards::freshRecordsHoldInitialValues()
{
    const classNaipe carta;
    QCOMPARE(carta.numero(), 0);
    QCOMPARE(carta.palo(), QString());
    QCOMPARE(carta.imagen(), QString());
    QCOMPARE(carta.repartida(), false);

    const classPlayer jugador;
    QCOMPARE(jugador.nombre(), QStringLiteral("Player"));
    QCOMPARE(jugador.puntos(), 0);
}

void TestCards::pointsOutsideAByteAreRefusedAndKept_data()
{
    QTest::addColumn<int>("valor");
    QTest::addColumn<bool>("aceptado");

    QTest::newRow("0") << 0 << true;
    QTest::newRow("3, a won game") << 3 << true;
    QTest::newRow("255, the largest byte") << 255 << true;
    QTest::newRow("256") << 256 << false;
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("32767") << 32767 << false;
    QTest::newRow("-32768") << -32768 << false;
}

void TestCards::pointsOutsideAByteAreRefusedAndKept()
{
    QFETCH(int, valor);
    QFETCH(bool, aceptado);

    classPlayer jugador;
    jugador.a_puntos(7);
    const auto nuevo = static_cast<std::int16_t>(valor);
    if (aceptado) {
        jugador.a_puntos(nuevo);
        QCOMPARE(jugador.puntos(), valor);
    } else {
        QVERIFY_THROWS_EXCEPTION(OverflowError, jugador.a_puntos(nuevo));
        QCOMPARE(jugador.puntos(), 7);
    }
}

void TestCards::loadsFortyUndealtCardsFromTheCardSet()
{
    const TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    Mazo mazo;
    CargarMazo(mazo, dir.path());

    QCOMPARE(describir(mazo.carta(1)),
             QStringLiteral("1|oros|%1/naipes/oros01.jpg|0").arg(dir.path()));
    QCOMPARE(describir(mazo.carta(8)),
             QStringLiteral("10|oros|%1/naipes/oros10.jpg|0").arg(dir.path()));
    QCOMPARE(describir(mazo.carta(40)),
             QStringLiteral("12|bastos|%1/naipes/bastos12.jpg|0").arg(dir.path()));
    QHash<QString, int> porPalo;
    QSet<QString> imagenes;
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        const classNaipe &c = mazo.carta(n);
        QVERIFY2(c.imagen().startsWith(dir.path() + QStringLiteral("/naipes/")),
                 qPrintable(c.imagen()));
        QVERIFY(!c.repartida());
        ++porPalo[c.palo()];
        imagenes.insert(c.imagen());
    }
    QCOMPARE(imagenes.size(), Mazo::kCartas);
    const QHash<QString, int> diezDeCada { { QStringLiteral("oros"), 10 },
                                           { QStringLiteral("copas"), 10 },
                                           { QStringLiteral("espadas"), 10 },
                                           { QStringLiteral("bastos"), 10 } };
    QCOMPARE(porPalo, diezDeCada);
}

void TestCards::reloadMakesEveryCardUndealtAgain()
{
    const TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    Mazo mazo;
    CargarMazo(mazo, dir.path());
    const QStringList cargado = describir(mazo);
    for (int n : { 1, 17, 40 })
        mazo.carta(n).a_repartida(true);

    CargarMazo(mazo, dir.path());
    QCOMPARE(describir(mazo), cargado);
}

void TestCards::damagedCardSetIsRefusedAndDeckKept_data()
{
    QTest::addColumn<QStringList>("cambios");

    const QString ninguna = QStringLiteral("DROP TABLE naipe40");
    QTest::newRow("no file") << QStringList {};
    QTest::newRow("no table") << QStringList { ninguna };
    QTest::newRow("39 rows") << QStringList { QStringLiteral("DELETE FROM naipe40 WHERE id = 40") };
    QTest::newRow("number not a number")
        << QStringList { QStringLiteral("UPDATE naipe40 SET numero = 'siete' WHERE id = 7") };
    QTest::newRow("empty palo") << QStringList { QStringLiteral(
        "UPDATE naipe40 SET palo = '' WHERE id = 3") };
    QTest::newRow("empty picture")
        << QStringList { QStringLiteral("UPDATE naipe40 SET imagen = '' WHERE id = 5") };
    QTest::newRow("card already dealt")
        << QStringList { QStringLiteral("UPDATE naipe40 SET repartida = 1 WHERE id = 12") };
    QTest::newRow("four columns") << QStringList {
        QStringLiteral("CREATE TABLE t AS SELECT id, numero, imagen, palo FROM naipe40"), ninguna,
        QStringLiteral("ALTER TABLE t RENAME TO naipe40")
    };
}

void TestCards::damagedCardSetIsRefusedAndDeckKept()
{
    QFETCH(QStringList, cambios);

    const TestProgramDir bueno;
    const TestProgramDir danado(cambios);
    QVERIFY2(bueno.isValid() && danado.isValid(), qPrintable(bueno.error() + danado.error()));
    const QString db = danado.ruta(QStringLiteral("naipe40.db"));
    if (cambios.isEmpty())
        QVERIFY(QFile::remove(db));
    Mazo mazo;
    CargarMazo(mazo, bueno.path());
    mazo.carta(12).a_repartida(true);
    const QStringList antes = describir(mazo);

    try {
        CargarMazo(mazo, danado.path());
        QFAIL("the damaged card set was loaded");
    } catch (const CardSetError &e) {
        QVERIFY(!e.text().isEmpty());
    }
    // No half-loaded deck: the game in progress keeps its cards.
    QCOMPARE(describir(mazo), antes);
    QCOMPARE(QFile::exists(db), !cambios.isEmpty());
}

void TestCards::rowsPastTheFortiethAreIgnored()
{
    // The rows past the 40th would each be refused as a card.
    const TestProgramDir bueno;
    const TestProgramDir largo({
        QStringLiteral("INSERT INTO naipe40 VALUES (41, 1, 'naipes/oros01.jpg', 'oros', 0)"),
        QStringLiteral("INSERT INTO naipe40 VALUES (42, 2, '', '', 1)"),
        QStringLiteral("INSERT INTO naipe40 VALUES (43, 'x', 'a.jpg', 'oros', 'tal vez')"),
    });
    QVERIFY2(bueno.isValid() && largo.isValid(), qPrintable(bueno.error() + largo.error()));
    Mazo esperado;
    CargarMazo(esperado, bueno.path());
    Mazo mazo;
    try {
        CargarMazo(mazo, largo.path());
    } catch (const CardSetError &e) {
        QFAIL(qPrintable(e.text()));
    }
    // The picture paths name the program directory, which differs.
    QStringList leido = describir(mazo);
    leido.replaceInStrings(largo.path(), bueno.path());
    QCOMPARE(leido, describir(esperado));
}

void TestCards::cardSetIsReadAgainOnlyWhenItsFileChanged()
{
    const TestProgramDir dir;
    const TestProgramDir otro({ QStringLiteral("UPDATE naipe40 SET palo = 'copas' WHERE id = 1"),
                                QStringLiteral("UPDATE naipe40 SET palo = 'oros' WHERE id = 11") });
    QVERIFY2(dir.isValid() && otro.isValid(), qPrintable(dir.error() + otro.error()));
    CacheMazo cache(dir.path());
    Mazo mazo;
    QVERIFY(cache.cargar(mazo));
    QCOMPARE(mazo.carta(1).palo(), QStringLiteral("oros"));

    // A hand deals cards; an unchanged card set is not read, only made undealt.
    mazo.a_repartida(1, true);
    mazo.a_repartida(40, true);
    QVERIFY(!cache.cargar(mazo));
    QVERIFY(!mazo.repartida(1) && !mazo.repartida(40));

    // Another deck object was never given the cards.
    Mazo segundo;
    QVERIFY(cache.cargar(segundo));
    QCOMPARE(segundo.carta(1).palo(), QStringLiteral("oros"));

    const QString db = dir.ruta(QStringLiteral("naipe40.db"));
    QVERIFY(QFile::remove(db));
    QVERIFY(QFile::copy(otro.ruta(QStringLiteral("naipe40.db")), db));
    QVERIFY(cache.cargar(mazo));
    QCOMPARE(mazo.carta(1).palo(), QStringLiteral("copas"));
    QCOMPARE(mazo.carta(11).palo(), QStringLiteral("oros"));
    QCOMPARE(mazo.paloId(1), mazo.paloId(12));
    QVERIFY(!cache.cargar(mazo));

    // A file gone is read again, and fails as a damaged card set does.
    QVERIFY(QFile::remove(db));
    QVERIFY_THROWS_EXCEPTION(CardSetError, cache.cargar(mazo));
}

ZELBO_TEST_GUILESS_MAIN(TestCards)
#include "tst_cards.moc"
