// SPDX-License-Identifier: GPL-3.0-or-later

#include "historialdeshacer.h"
#include "keptgamekeeper.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The files hold the turn and the last lifter as they always did: games kept by
// earlier versions resume, and a game kept now resumes in them.
class TestLado : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void undoHistoryHoldsEachSideAsItsNumber_data() { tablaDeLados(); }
    void undoHistoryHoldsEachSideAsItsNumber();
    void undoHistoryRefusesANumberNoSideHas_data();
    void undoHistoryRefusesANumberNoSideHas();
    void keptGameHoldsEachSideAsBefore_data() { tablaDeLados(); }
    void keptGameHoldsEachSideAsBefore();
    void keptGameWithATurnNoSideHasIsNotResumed();

private:
    static void tablaDeLados();
    GameState enJuego(Lado turno, Lado ultimo) const;

    std::unique_ptr<TestGame> m_juego;
};

void TestLado::initTestCase()
{
    m_juego = std::make_unique<TestGame>();
    QVERIFY2(m_juego->valido(), qPrintable(m_juego->dir().error()));
    m_juego->iniciar();
}

void TestLado::tablaDeLados()
{
    QTest::addColumn<Lado>("turno");
    QTest::addColumn<Lado>("ultimo");
    QTest::addColumn<int>("numeroTurno");
    QTest::addColumn<int>("numeroUltimo");
    QTest::addColumn<QString>("claveUltimo");
    QTest::newRow("the CPU to play, nobody lifted")
        << Lado::Cpu << Lado::Nadie << 1 << 0 << QString();
    QTest::newRow("the human to play, the CPU lifted")
        << Lado::Humano << Lado::Cpu << 2 << 1 << QStringLiteral("p1");
    QTest::newRow("no turn, the human lifted")
        << Lado::Nadie << Lado::Humano << 0 << 2 << QStringLiteral("p2");
}

GameState TestLado::enJuego(Lado turno, Lado ultimo) const
{
    GameState e = m_juego->estado();
    e.turno = turno;
    e.ultimoEnLevantar = ultimo;
    return e;
}

void TestLado::undoHistoryHoldsEachSideAsItsNumber()
{
    QFETCH(Lado, turno);
    QFETCH(Lado, ultimo);
    QFETCH(int, numeroTurno);
    QFETCH(int, numeroUltimo);
    HistorialDeshacer historial;
    historial.anotar({ enJuego(turno, ultimo), "azar", {} });
    const QByteArray bytes = historial.aBytes();

    const QJsonObject foto = QJsonDocument::fromJson(qUncompress(bytes))
                                 .object()
                                 .value(QStringLiteral("fotos"))
                                 .toArray()
                                 .first()
                                 .toObject();
    QVERIFY(foto.value(QStringLiteral("turno")).isDouble());
    QCOMPARE(foto.value(QStringLiteral("turno")).toInt(-1), numeroTurno);
    QVERIFY(foto.value(QStringLiteral("ultimo")).isDouble());
    QCOMPARE(foto.value(QStringLiteral("ultimo")).toInt(-1), numeroUltimo);

    const std::optional<HistorialDeshacer> leido
        = HistorialDeshacer::deBytes(bytes, m_juego->estado());
    QVERIFY(leido && leido->actual());
    QCOMPARE(leido->actual()->estado.turno, turno);
    QCOMPARE(leido->actual()->estado.ultimoEnLevantar, ultimo);
}

void TestLado::undoHistoryRefusesANumberNoSideHas_data()
{
    QTest::addColumn<QString>("clave");
    QTest::addColumn<QJsonValue>("valor");
    QTest::newRow("turn 3") << QStringLiteral("turno") << QJsonValue(3);
    QTest::newRow("turn -1") << QStringLiteral("turno") << QJsonValue(-1);
    QTest::newRow("last lifter 1.5") << QStringLiteral("ultimo") << QJsonValue(1.5);
    QTest::newRow("last lifter as text")
        << QStringLiteral("ultimo") << QJsonValue(QStringLiteral("p1"));
}

void TestLado::undoHistoryRefusesANumberNoSideHas()
{
    QFETCH(QString, clave);
    QFETCH(QJsonValue, valor);
    HistorialDeshacer historial;
    historial.anotar({ enJuego(Lado::Cpu, Lado::Humano), "azar", {} });
    QJsonObject json = QJsonDocument::fromJson(qUncompress(historial.aBytes())).object();
    QJsonArray fotos = json.value(QStringLiteral("fotos")).toArray();
    QJsonObject foto = fotos.first().toObject();
    // The untouched history is read, so only the side's value can refuse it.
    QVERIFY(HistorialDeshacer::deBytes(qCompress(QJsonDocument(json).toJson()), m_juego->estado()));
    foto.insert(clave, valor);
    fotos.replace(0, foto);
    json.insert(QStringLiteral("fotos"), fotos);
    QVERIFY(
        !HistorialDeshacer::deBytes(qCompress(QJsonDocument(json).toJson()), m_juego->estado()));
}

void TestLado::keptGameHoldsEachSideAsBefore()
{
    QFETCH(Lado, turno);
    QFETCH(Lado, ultimo);
    QFETCH(int, numeroTurno);
    QFETCH(QString, claveUltimo);
    QTemporaryDir carpeta;
    FakeDialogs dialogos;
    KeptGameKeeper conservada(carpeta.path(), dialogos, nullptr);
    const GameState e = enJuego(turno, ultimo);
    conservada.jugadaHumana(e);
    conservada.turnoHumano(e);

    const KeptGameStore::Loaded guardada = conservada.almacen().load();
    QVERIFY(guardada.game);
    QCOMPARE(guardada.game->turno, numeroTurno);
    QCOMPARE(guardada.game->ultimoEnLevantar, claveUltimo);

    // Resumed over a game whose sides differ from the kept ones.
    const auto otro = [](Lado lado) { return lado == Lado::Cpu ? Lado::Humano : Lado::Cpu; };
    GameState vuelta = enJuego(otro(turno), otro(ultimo));
    QVERIFY(KeptGameKeeper(carpeta.path(), dialogos, nullptr).reanudar(vuelta, *guardada.game));
    QCOMPARE(vuelta.turno, turno);
    QCOMPARE(vuelta.ultimoEnLevantar, ultimo);
}

void TestLado::keptGameWithATurnNoSideHasIsNotResumed()
{
    QTemporaryDir carpeta;
    FakeDialogs dialogos;
    KeptGameKeeper conservada(carpeta.path(), dialogos, nullptr);
    const GameState e = enJuego(Lado::Cpu, Lado::Humano);
    conservada.jugadaHumana(e);
    conservada.turnoHumano(e);
    std::optional<KeptGame> guardada = conservada.almacen().load().game;
    QVERIFY(guardada);
    GameState vuelta = e;
    QVERIFY(conservada.reanudar(vuelta, *guardada));
    guardada->turno = 3;
    QVERIFY(!conservada.reanudar(vuelta, *guardada));
}

ZELBO_TEST_GUILESS_MAIN(TestLado)
#include "tst_lado.moc"
