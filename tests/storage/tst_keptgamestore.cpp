// SPDX-License-Identifier: GPL-3.0-or-later

#include "keptgamesample.h"
#include "keptgamestore.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"
#include "savedgamefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestKeptGameStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void noKeptGame_data();
    void noKeptGame();
    void removeLeavesNoKeptGame();
    void killBetweenTheTwoFilesFindsThePreviousGame();
    void damagedKeptGameIsReported_data();
    void damagedKeptGameIsReported();
    void leftoversOfAKillAreRemoved();
    void folderIsCreatedWhenNeeded();
    void killedWriterLeavesAWholeGame();
    void sideFileOfTheEarlierReleaseReads();

private:
    static QByteArray contents(const QString &path);
    // The kill came between the two replacements: the side file's newest entry is not the
    // .dat's.
    bool sideFileIsAhead() const;
    static void write(const QString &path, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<KeptGameStore> m_store;
};

QByteArray TestKeptGameStore::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool TestKeptGameStore::sideFileIsAhead() const
{
    const QByteArray dat = contents(m_store->datPath());
    const QJsonArray entries = QJsonDocument::fromJson(contents(m_store->sidePath()))
                                   .object()
                                   .value("partidas")
                                   .toArray();
    return !entries.isEmpty()
        && entries.first().toObject().value("dat_sha256").toString().toLatin1()
        != QCryptographicHash::hash(dat, QCryptographicHash::Sha256).toHex();
}

void TestKeptGameStore::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestKeptGameStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<KeptGameStore>(m_dir->path());
}

void TestKeptGameStore::noKeptGame_data()
{
    QTest::addColumn<bool>("withDat");
    QTest::addColumn<int>("sideOf"); // -1: no side file
    QTest::newRow("no files") << false << -1;
    QTest::newRow("side file alone") << false << 2;
    QTest::newRow("dat alone") << true << -1;
    QTest::newRow("side file of another game") << true << 2;
}

// None of these pairs can be a kept game; none is the player's fault either.
void TestKeptGameStore::noKeptGame()
{
    QFETCH(bool, withDat);
    QFETCH(int, sideOf);
    const KeptGameStore other(m_dir->filePath(QStringLiteral("otra")));
    if (sideOf >= 0) {
        QVERIFY(other.save(keptGameSample(sideOf)));
        QVERIFY(QFile::copy(other.sidePath(), m_store->sidePath()));
    }
    if (withDat)
        QVERIFY(SavedGameFile::save(m_store->datPath(), keptGameSample(1).partida));
    const KeptGameStore::Loaded loaded = m_store->load();
    QCOMPARE(loaded.status, KeptGameStore::Status::None);
    QVERIFY(!loaded.game);
}

void TestKeptGameStore::removeLeavesNoKeptGame()
{
    QVERIFY(m_store->save(keptGameSample(1)));
    m_store->remove();
    QVERIFY(!QFile::exists(m_store->datPath()));
    QVERIFY(!QFile::exists(m_store->sidePath()));
    QCOMPARE(m_store->load().status, KeptGameStore::Status::None);
    // Saving again after a removal starts a new pair.
    QVERIFY(m_store->save(keptGameSample(2)));
    QVERIFY(m_store->load().game == keptGameSample(2));
}

// A kill after the side file was replaced and before the .dat was: the old .dat must still
// find its own side data, not the new game's.
void TestKeptGameStore::killBetweenTheTwoFilesFindsThePreviousGame()
{
    QVERIFY(m_store->save(keptGameSample(1)));
    QVERIFY(m_store->save(keptGameSample(2)));
    const QByteArray datOf2 = contents(m_store->datPath());
    QVERIFY(m_store->save(keptGameSample(3)));
    write(m_store->datPath(), datOf2);
    QVERIFY(m_store->load().game == keptGameSample(2));
    // And the next save still pairs correctly.
    QVERIFY(m_store->save(keptGameSample(4)));
    QVERIFY(m_store->load().game == keptGameSample(4));
}

void TestKeptGameStore::damagedKeptGameIsReported_data()
{
    QTest::addColumn<bool>("damageSide");
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("side file not JSON") << true << QByteArray("{") << QByteArray("[");
    QTest::newRow("turn not a number")
        << true << QByteArray("\"turno\": 1") << QByteArray("\"turno\": \"uno\"");
    QTest::newRow("undo history not base64")
        << true << QByteArray("\"deshacer\": \"") << QByteArray("\"deshacer\": \"*");
    QTest::newRow("game number missing")
        << true << QByteArray("\"numero_partida\"") << QByteArray("\"numero\"");
    QTest::newRow("hand not a whole number")
        << true << QByteArray("\"mano\": 1") << QByteArray("\"mano\": 1.5");
    QTest::newRow("abandoned mark not a boolean")
        << true << QByteArray("\"abandonada\": false") << QByteArray("\"abandonada\": 0");
    QTest::newRow("heading not a text")
        << true << QByteArray("\"nombre_marcador\": \"\"") << QByteArray("\"nombre_marcador\": 1");
    // The checksum is updated below, so only the content is wrong.
    QTest::newRow("points not a number")
        << false << QByteArray("\"otro\"\r\n1\r\n") << QByteArray("\"otro\"\r\nuno\r\n");
}

void TestKeptGameStore::damagedKeptGameIsReported()
{
    QFETCH(bool, damageSide);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QVERIFY(m_store->save(keptGameSample(7)));
    QByteArray side = contents(m_store->sidePath());
    if (damageSide) {
        QVERIFY(side.contains(from));
        write(m_store->sidePath(), side.replace(from, to));
    } else {
        QByteArray dat = contents(m_store->datPath());
        const QByteArray oldSum = QCryptographicHash::hash(dat, QCryptographicHash::Sha256).toHex();
        QVERIFY(dat.contains(from));
        dat.replace(from, to);
        write(m_store->datPath(), dat);
        write(m_store->sidePath(),
              side.replace(oldSum,
                           QCryptographicHash::hash(dat, QCryptographicHash::Sha256).toHex()));
    }
    const KeptGameStore::Loaded loaded = m_store->load();
    QCOMPARE(loaded.status, KeptGameStore::Status::Damaged);
    QVERIFY(!loaded.game);
}

void TestKeptGameStore::leftoversOfAKillAreRemoved()
{
    QVERIFY(m_store->save(keptGameSample(1)));
    const QStringList leftovers { QStringLiteral("partida-en-curso.dat.guardando-aB3xYz"),
                                  QStringLiteral("partida-en-curso.json.guardando-Qw12Er") };
    for (const QString &name : leftovers)
        write(m_dir->filePath(name), "a half-written file");
    const QStringList players { QStringLiteral("partida-en-curso.txt"),
                                QStringLiteral("partida-en-curso.dat.mi-copia"),
                                QStringLiteral("partida-en-curso.json.guardando-mia") };
    for (const QString &name : players)
        write(m_dir->filePath(name), "the player's");
    QVERIFY(m_store->load().game == keptGameSample(1));
    for (const QString &name : leftovers)
        QVERIFY2(!QFile::exists(m_dir->filePath(name)), qPrintable(name));
    for (const QString &name : players)
        QVERIFY2(QFile::exists(m_dir->filePath(name)), qPrintable(name));
}

void TestKeptGameStore::folderIsCreatedWhenNeeded()
{
    const KeptGameStore store(m_dir->filePath(QStringLiteral("datos/zelbo")));
    QCOMPARE(store.load().status, KeptGameStore::Status::None);
    QVERIFY(store.save(keptGameSample(1)));
    QVERIFY(store.load().game == keptGameSample(1));
}

// A writer keeps game after game; it is killed at random moments, 200 times. Each time the
// kept game must be whole and either the last one the writer finished or the one it was
// writing. The next writer goes on from what was found.
void TestKeptGameStore::killedWriterLeavesAWholeGame()
{
    constexpr int kKills = 200;
    QRandomGenerator random(20261207);
    std::optional<int> kept;
    int newerFound = 0;
    int leftoversSeen = 0;
    int sideAhead = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const int first = kept ? *kept + 1 : 0;
        QProcess writer;
        writer.start(rutaDePrueba("KEPTGAMEWRITER"), { m_dir->path(), QString::number(first) });
        QVERIFY(writer.waitForStarted());
        // Mostly in the middle of the writing loop, sometimes before its first save.
        if (random.bounded(4) != 0)
            writer.waitForReadyRead();
        QTest::qSleep(random.bounded(25));
        writer.kill();
        QVERIFY(writer.waitForFinished());
        const QList<QByteArray> printed = writer.readAllStandardOutput().split('\n');
        std::optional<int> finished;
        for (const QByteArray &line : printed) {
            if (!line.isEmpty())
                finished = line.toInt();
        }
        leftoversSeen += QDir(m_dir->path()).entryList(QDir::Files).size() > 2 ? 1 : 0;
        sideAhead += sideFileIsAhead() ? 1 : 0;

        const KeptGameStore::Loaded loaded = m_store->load();
        const std::optional<int> before = finished ? finished : kept;
        const int found = loaded.game ? static_cast<int>(loaded.game->numeroPartida) : -1;
        const bool isBefore = before && found == *before;
        const bool isNext = found == (finished ? *finished + 1 : first);
        QVERIFY2(isBefore || isNext || (!before && loaded.status == KeptGameStore::Status::None),
                 qPrintable(QStringLiteral("kill %1: found %2").arg(kill).arg(found)));
        if (loaded.game) {
            QVERIFY2(
                *loaded.game == keptGameSample(found),
                qPrintable(QStringLiteral("kill %1: game %2 is not whole").arg(kill).arg(found)));
            kept = found;
        }
        newerFound += isNext && !isBefore ? 1 : 0;
        for (const QString &name : QDir(m_dir->path()).entryList(QDir::Files))
            QVERIFY2(name.endsWith(QLatin1String(".dat")) || name.endsWith(QLatin1String(".json")),
                     qPrintable(name));
    }
    QVERIFY(kept);
    qInfo("%d kills: the game being written found %d times, the side file ahead of the .dat %d "
          "times, temporary files left %d times",
          kKills, newerFound, sideAhead, leftoversSeen);
}

// The side file as the first release wrote it, without the hand, the heading and the mark:
// the game reads, with a hand and a heading that say they are not known, and no mark.
void TestKeptGameStore::sideFileOfTheEarlierReleaseReads()
{
    KeptGame game = keptGameSample(4);
    QVERIFY(game.numeroDeMano > 0 && game.nombreEnMarcador && game.abandonada);
    QVERIFY(m_store->save(game));
    QJsonObject side = QJsonDocument::fromJson(contents(m_store->sidePath())).object();
    QJsonObject entry = side.value("partidas").toArray().first().toObject();
    for (const char *key : { "mano", "nombre_marcador", "abandonada" }) {
        QVERIFY2(entry.contains(QLatin1String(key)), key);
        entry.remove(QLatin1String(key));
    }
    side.insert("partidas", QJsonArray { entry });
    write(m_store->sidePath(), QJsonDocument(side).toJson());
    const KeptGameStore::Loaded loaded = m_store->load();
    QCOMPARE(loaded.status, KeptGameStore::Status::Found);
    game.numeroDeMano = 0;
    game.nombreEnMarcador.reset();
    game.abandonada = false;
    QVERIFY(*loaded.game == game);
}

ZELBO_TEST_GUILESS_MAIN(TestKeptGameStore)
#include "tst_keptgamestore.moc"
