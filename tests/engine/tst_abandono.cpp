// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "keptgamekeeper.h"
#include "keptgamestats.h"
#include "keptgamestore.h"
#include "mersennerandom.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "rutadeprueba.h"
#include "statisticsfile.h"
#include "testprogramdir.h"
#include "zelbogame.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A game left for another (Abrir, "Elegir partida") is counted once as abandoned and never
// offered again, whenever the program is killed: also during the new game's first moves.
class TestAbandono : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void abandonedGameNeverComesBack();
    void keptGameLeftAlreadyIsNotOffered_data();
    void keptGameLeftAlreadyIsNotOffered();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestAbandono::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
    QVERIFY(m_dir->escribirPreferencias(QStringLiteral("Máquina"), QStringLiteral("Ana")));
}

// A writer plays and leaves game after game until it is killed at a random instant; then
// the next start is made, answering No. The game it asks about, if any, is one the human
// moved in and did not leave; every game left is counted, and no game twice.
void TestAbandono::abandonedGameNeverComesBack()
{
    constexpr int kKills = 60;
    QRandomGenerator random(20261208);
    int whileLeaving = 0;
    int asked = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        QTemporaryDir carpeta;
        QProcess writer;
        writer.start(rutaDePrueba("ABANDONWRITER"),
                     { m_dir->path(), carpeta.path(), QString::number(kill + 1) });
        QVERIFY(writer.waitForStarted());
        writer.waitForReadyRead();
        QTest::qSleep(random.bounded(120));
        writer.kill();
        QVERIFY(writer.waitForFinished());
        QSet<QString> moved;
        QSet<QString> leaving;
        QSet<QString> left;
        QString last;
        for (const QByteArray &line : writer.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> words = line.trimmed().split(' ');
            const QString game = QString::fromLatin1(words.value(1));
            if (words.first() == "move")
                moved << game;
            else if (words.first() == "abandon")
                leaving << (last = game);
            else if (words.first() == "abandoned")
                left << last;
        }
        whileLeaving += leaving.size() > left.size() ? 1 : 0;

        const KeptGameStore store(carpeta.path());
        const KeptGameStore::Loaded kept = store.load();
        FakeDialogs dialogos;
        dialogos.responder(DialogService::Respuesta::No);
        KeptGameKeeper conservada(carpeta.path(), dialogos, nullptr);
        conservada.alIniciar();
        if (dialogos.textos().contains(QStringLiteral("¿Continuar la partida anterior?"))) {
            ++asked;
            const std::optional<KeptGameStats> game
                = KeptGameStats::fromBytes(kept.game->estadisticas);
            QVERIFY2(game && game->moved(), qPrintable(QStringLiteral("kill %1").arg(kill)));
            QVERIFY2(!left.contains(game->id()), qPrintable(QStringLiteral("kill %1").arg(kill)));
        }
        const Statistics counted = StatisticsFile(carpeta.path()).load().statistics;
        for (const QString &game : leaving)
            QVERIFY2(counted.hasCounted(game), qPrintable(QStringLiteral("kill %1").arg(kill)));
        const StatsRecord r = counted.record();
        QVERIFY2(r.abandonadas <= moved.size() + 1,
                 qPrintable(QStringLiteral("kill %1").arg(kill)));
        QCOMPARE(r.partidas, r.abandonadas);
        QCOMPARE(store.load().status, KeptGameStore::Status::None);
    }
    qInfo("%d kills: %d while a game was being left, %d asked about the game in progress", kKills,
          whileLeaving, asked);
}

void TestAbandono::keptGameLeftAlreadyIsNotOffered_data()
{
    QTest::addColumn<QString>("como");
    // A kill came after the game was marked, or after it was counted, or the start asks for
    // a game by its number (--partida).
    QTest::newRow("marked abandoned") << QStringLiteral("marcada");
    QTest::newRow("counted") << QStringLiteral("contada");
    QTest::newRow("another game chosen at the start") << QStringLiteral("numero");
}

// The start finds the kept game of a game that was left: it asks nothing, and the game is
// counted as abandoned once, whatever was done of it before.
void TestAbandono::keptGameLeftAlreadyIsNotOffered()
{
    QFETCH(QString, como);
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(4);
    {
        FakeView vista;
        FakeDialogs dialogos;
        MersenneRandom azar(4);
        AjustesJuego ajustes;
        ZelboGame juego(m_dir->path(), vista, dialogos, azar, ajustes);
        KeptGameKeeper conservada(carpeta.path(), dialogos, &azar);
        juego.setConservada(&conservada);
        RandomHuman humano(juego, azarHumano);
        juego.iniciar();
        humano.jugar();
        juego.ordenar(OrdenDelJuego::Cerrar);
    }
    const KeptGameStore store(carpeta.path());
    const KeptGameStore::Loaded kept = store.load();
    QCOMPARE(kept.status, KeptGameStore::Status::Found);
    if (como == QLatin1String("marcada")) {
        QFile side(store.sidePath());
        QVERIFY(side.open(QIODevice::ReadWrite));
        QJsonObject json = QJsonDocument::fromJson(side.readAll()).object();
        QJsonArray entries = json.value(QStringLiteral("partidas")).toArray();
        QJsonObject entry = entries.first().toObject();
        entry.insert(QStringLiteral("abandonada"), true);
        entries.replace(0, entry);
        json.insert(QStringLiteral("partidas"), entries);
        QVERIFY(side.resize(0));
        QVERIFY(side.write(QJsonDocument(json).toJson()) > 0);
    } else if (como == QLatin1String("contada")) {
        Statistics statistics;
        QVERIFY(statistics.commit(*KeptGameStats::fromBytes(kept.game->estadisticas),
                                  GameResult::Abandoned));
        QVERIFY(StatisticsFile(carpeta.path()).save(statistics));
    }

    FakeView vista;
    FakeDialogs dialogos;
    dialogos.responder(DialogService::Respuesta::Yes);
    MersenneRandom azar(5);
    AjustesJuego ajustes;
    ZelboGame juego(m_dir->path(), vista, dialogos, azar, ajustes);
    KeptGameKeeper conservada(carpeta.path(), dialogos, &azar);
    juego.setConservada(&conservada);
    if (como == QLatin1String("numero"))
        juego.setPartidaInicial(12);
    juego.iniciar();
    QVERIFY(!dialogos.textos().contains(QStringLiteral("¿Continuar la partida anterior?")));
    QCOMPARE(juego.estado().cartasRepartidas, std::uint8_t { 10 });
    QCOMPARE(StatisticsFile(carpeta.path()).load().statistics.record().abandonadas, 1);
    QCOMPARE(store.load().status, KeptGameStore::Status::None);
}

ZELBO_TEST_GUILESS_MAIN(TestAbandono)
#include "tst_abandono.moc"
