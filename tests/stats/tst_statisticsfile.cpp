// SPDX-License-Identifier: GPL-3.0-or-later

#include "gameinprogress.h"
#include "statisticsfile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestStatisticsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void noFileGivesEmptyStatistics();
    void savedStatisticsComeBack();
    void fileHoldsTheFiguresUnderTheirNames();
    void damagedFileIsMovedAsideAndToldOnce_data();
    void damagedFileIsMovedAsideAndToldOnce();
    void folderIsCreatedWhenNeeded();
    void leftoversOfAKillAreRemoved();

private:
    static Statistics sample();
    static QByteArray contents(const QString &path);
    static void write(const QString &path, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<StatisticsFile> m_file;
};

// The same statistics at every call: games carry an identity of their own.
Statistics TestStatisticsFile::sample()
{
    static const Statistics statistics = [] {
        Statistics statistics;
        GameInProgress won(QStringLiteral("Begoña"), Statistics::kNormal);
        won.handEnded(1, 23, 17);
        won.handEnded(2, 20, 20);
        won.handEnded(3, 25, 15);
        won.handEnded(4, 22, 18);
        statistics.commit(won, GameResult::Won);
        GameInProgress lost(QStringLiteral("Luis"), Statistics::kDificil);
        lost.handEnded(1, 10, 30);
        statistics.commit(lost, GameResult::Abandoned);
        return statistics;
    }();
    return statistics;
}

QByteArray TestStatisticsFile::contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestStatisticsFile::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestStatisticsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_file = std::make_unique<StatisticsFile>(m_dir->path());
}

void TestStatisticsFile::noFileGivesEmptyStatistics()
{
    const StatisticsFile::Loaded loaded = m_file->load();
    QVERIFY(!loaded.damaged);
    QVERIFY(loaded.statistics.isEmpty());
    QVERIFY(!QFile::exists(m_file->damagedPath()));
}

void TestStatisticsFile::savedStatisticsComeBack()
{
    QVERIFY(m_file->save(sample()));
    const StatisticsFile::Loaded loaded = m_file->load();
    QVERIFY(!loaded.damaged);
    QVERIFY(loaded.statistics == sample());
    QCOMPARE(loaded.statistics.record(QStringLiteral("Begoña")).mayorMonton, 25);
}

void TestStatisticsFile::fileHoldsTheFiguresUnderTheirNames()
{
    QVERIFY(m_file->save(sample()));
    const QJsonObject players
        = QJsonDocument::fromJson(contents(m_file->path())).object().value("jugadores").toObject();
    const QJsonObject begona = players.value(QStringLiteral("Begoña")).toObject();
    const QList<std::pair<const char *, int>> expected {
        { "partidas", 1 },        { "ganadas", 1 },       { "perdidas", 0 },
        { "abandonadas", 0 },     { "manos_ganadas", 3 }, { "manos_perdidas", 0 },
        { "manos_empatadas", 1 },
    };
    for (const auto &[key, value] : expected)
        QVERIFY2(begona.value(QLatin1String(key)) == value, key);
    const QJsonObject luis = players.value(QStringLiteral("Luis")).toObject();
    QCOMPARE(luis.value("abandonadas").toInt(), 1);
    QCOMPARE(luis.value("niveles").toObject().value("dificil").toObject().value("manos_perdidas"),
             1);
}

void TestStatisticsFile::damagedFileIsMovedAsideAndToldOnce_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("cut short") << QByteArray("\"todos\"") << QByteArray("\"todos\": {");
    QTest::newRow("not an object") << QByteArray("{") << QByteArray("[");
    QTest::newRow("figure as text")
        << QByteArray("\"ganadas\": 1") << QByteArray("\"ganadas\": \"1\"");
    QTest::newRow("negative figure")
        << QByteArray("\"perdidas\": 0") << QByteArray("\"perdidas\": -1");
    QTest::newRow("totals do not add up")
        << QByteArray("\"partidas\": 1") << QByteArray("\"partidas\": 2");
    QTest::newRow("unknown result") << QByteArray("\"ganada\"") << QByteArray("\"gano\"");
}

void TestStatisticsFile::damagedFileIsMovedAsideAndToldOnce()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QVERIFY(m_file->save(sample()));
    QByteArray damaged = contents(m_file->path());
    QVERIFY(damaged.contains(from));
    damaged.replace(from, to);
    write(m_file->path(), damaged);

    const StatisticsFile::Loaded first = m_file->load();
    QVERIFY(first.damaged);
    QVERIFY(first.statistics.isEmpty());
    QCOMPARE(contents(m_file->damagedPath()), damaged);
    QVERIFY(!QFile::exists(m_file->path()));

    const StatisticsFile::Loaded second = m_file->load();
    QVERIFY(!second.damaged);
    // Counting starts afresh and is kept again.
    QVERIFY(m_file->save(sample()));
    QVERIFY(m_file->load().statistics == sample());
    QCOMPARE(contents(m_file->damagedPath()), damaged);
}

void TestStatisticsFile::folderIsCreatedWhenNeeded()
{
    const StatisticsFile file(m_dir->filePath(QStringLiteral("datos/zelbo")));
    QVERIFY(file.save(sample()));
    QVERIFY(file.load().statistics == sample());
}

void TestStatisticsFile::leftoversOfAKillAreRemoved()
{
    QVERIFY(m_file->save(sample()));
    write(m_file->damagedPath(), "an older damaged file");
    const QString leftover = m_file->path() + QStringLiteral(".Xy12Ab");
    write(leftover, "{\"jugad");
    QVERIFY(!m_file->load().damaged);
    QVERIFY(!QFile::exists(leftover));
    QVERIFY(QFile::exists(m_file->damagedPath()));
}

QTEST_GUILESS_MAIN(TestStatisticsFile)
#include "tst_statisticsfile.moc"
