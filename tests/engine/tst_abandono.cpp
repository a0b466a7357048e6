// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"
#include "gameinprogress.h"
#include "keptgamestore.h"
#include "partidaconservada.h"
#include "statisticsfile.h"
#include "testprogramdir.h"

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

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestAbandono::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
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
        writer.start(QStringLiteral(ABANDONWRITER),
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
        PartidaConservada conservada(carpeta.path(), dialogos, nullptr);
        conservada.alIniciar();
        if (dialogos.textos().contains(QStringLiteral("¿Continuar la partida anterior?"))) {
            ++asked;
            const std::optional<GameInProgress> game
                = GameInProgress::fromBytes(kept.game->estadisticas);
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

QTEST_GUILESS_MAIN(TestAbandono)
#include "tst_abandono.moc"
