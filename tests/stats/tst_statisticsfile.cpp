// SPDX-License-Identifier: GPL-3.0-or-later

#include "keptgamestats.h"
#include "programadepruebas.h"
#include "statisticsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

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
    void unreadableFileIsLeftAloneAndNeverWritten_data();
    void unreadableFileIsLeftAloneAndNeverWritten();
    void everyDamagedFileIsKept();
    void figuresBeyondAnyCountAreDamaged();
    void damagedFileThatCannotBeMovedStaysWhole_data();
    void damagedFileThatCannotBeMovedStaysWhole();

private:
    static Statistics sample();
    static QByteArray contents(const QString &path);
    static void write(const QString &path, const QByteArray &bytes);
    static bool canWriteIn(const QString &folder);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<StatisticsFile> m_file;
};

// The same statistics at every call: games carry an identity of their own.
Statistics TestStatisticsFile::sample()
{
    static const Statistics statistics = [] {
        Statistics statistics;
        KeptGameStats won(QStringLiteral("Begoña"), Statistics::kNormal);
        won.handEnded(1, 23, 17);
        won.handEnded(2, 20, 20);
        won.handEnded(3, 25, 15);
        won.handEnded(4, 22, 18);
        statistics.commit(won, GameResult::Won);
        KeptGameStats lost(QStringLiteral("Luis"), Statistics::kDificil);
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

// Root writes through any permission: the cases made of permissions are skipped then.
bool TestStatisticsFile::canWriteIn(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool can = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return can;
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
    // Why, for a maintainer: where the text stops being JSON, or that it is no statistics.
    QTest::addColumn<QString>("why");
    const QString notJson = QStringLiteral("\\S.* at byte \\d+");
    const QString notStatistics = QStringLiteral("not the statistics of this game");
    QTest::newRow("cut short") << QByteArray("\"todos\"") << QByteArray("\"todos\": {") << notJson;
    QTest::newRow("not an object") << QByteArray("{") << QByteArray("[") << notJson;
    QTest::newRow("figure as text")
        << QByteArray("\"ganadas\": 1") << QByteArray("\"ganadas\": \"1\"") << notStatistics;
    QTest::newRow("negative figure")
        << QByteArray("\"perdidas\": 0") << QByteArray("\"perdidas\": -1") << notStatistics;
    QTest::newRow("totals do not add up")
        << QByteArray("\"partidas\": 1") << QByteArray("\"partidas\": 2") << notStatistics;
    QTest::newRow("unknown result")
        << QByteArray("\"ganada\"") << QByteArray("\"gano\"") << notStatistics;
}

void TestStatisticsFile::damagedFileIsMovedAsideAndToldOnce()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, why);
    QVERIFY(m_file->save(sample()));
    QByteArray damaged = contents(m_file->path());
    QVERIFY(damaged.contains(from));
    damaged.replace(from, to);
    write(m_file->path(), damaged);

    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(
            QStringLiteral("^%1: %2$").arg(QRegularExpression::escape(m_file->path()), why)));
    const StatisticsFile::Loaded first = m_file->load();
    QVERIFY(first.damaged);
    QVERIFY(first.statistics.isEmpty());
    QCOMPARE(contents(m_file->damagedPath()), damaged);
    QVERIFY(!QFile::exists(m_file->path()));

    // A good file, or none, says nothing.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    const StatisticsFile::Loaded second = m_file->load();
    QVERIFY(!second.damaged);
    // Counting starts afresh and is kept again.
    QVERIFY(m_file->save(sample()));
    QVERIFY(m_file->load().statistics == sample());
    QCOMPARE(contents(m_file->damagedPath()), damaged);
}

void TestStatisticsFile::folderIsCreatedWhenNeeded()
{
    StatisticsFile file(m_dir->filePath(QStringLiteral("datos/zelbo")));
    QVERIFY(file.save(sample()));
    QVERIFY(file.load().statistics == sample());
}

// Only the game's own temporary files go: the damaged files moved aside and the player's
// own copies stay.
void TestStatisticsFile::leftoversOfAKillAreRemoved()
{
    QVERIFY(m_file->save(sample()));
    write(m_file->damagedPath(), "an older damaged file");
    const QString leftover = m_file->path() + QStringLiteral(".guardando-Xy12Ab");
    write(leftover, "{\"jugad");
    const QStringList kept { m_file->damagedPath(), m_file->path() + QStringLiteral(".bak"),
                             m_file->path() + QStringLiteral(".backup") };
    for (const QString &path : kept)
        write(path, "the player's");
    QVERIFY(!m_file->load().damaged);
    QVERIFY(!QFile::exists(leftover));
    for (const QString &path : kept)
        QVERIFY2(QFile::exists(path), qPrintable(path));
}

void TestStatisticsFile::unreadableFileIsLeftAloneAndNeverWritten_data()
{
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("no permission to read") << false;
    QTest::newRow("a folder in its place") << true;
}

// A file that cannot be read may be whole: it is neither moved aside nor written over.
void TestStatisticsFile::unreadableFileIsLeftAloneAndNeverWritten()
{
    QFETCH(bool, folderInItsPlace);
    QVERIFY(m_file->save(sample()));
    const QByteArray before = contents(m_file->path());
    QFile file(m_file->path());
    const QFileDevice::Permissions permissions = file.permissions();
    if (folderInItsPlace) {
        QVERIFY(file.rename(m_file->path() + QStringLiteral("-inside")));
        QVERIFY(QDir().mkdir(m_file->path()));
        QVERIFY(QFile::rename(m_file->path() + QStringLiteral("-inside"),
                              m_file->path() + QStringLiteral("/inside")));
    } else {
        QVERIFY(file.setPermissions({}));
        if (QFile(m_file->path()).open(QIODevice::ReadOnly)) {
            file.setPermissions(permissions);
            QSKIP("this user reads files without read permission");
        }
    }

    const StatisticsFile::Loaded loaded = m_file->load();
    QVERIFY(loaded.unreadable);
    QVERIFY(!loaded.damaged);
    QVERIFY(loaded.statistics.isEmpty());
    QVERIFY(!loaded.notice().isEmpty());
    QVERIFY(!m_file->save(sample()));
    QVERIFY(!m_file->save(Statistics()));

    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList { QStringLiteral("estadisticas.json") });
    const QString inside = folderInItsPlace ? QStringLiteral("/inside") : QString();
    QFile(m_file->path() + inside).setPermissions(permissions);
    QCOMPARE(contents(m_file->path() + inside), before);
}

// Each damaged file goes to a name of its own, and the start-up cleanup keeps them all.
void TestStatisticsFile::everyDamagedFileIsKept()
{
    const QStringList names { m_file->damagedPath(), m_file->damagedPath() + QStringLiteral(".1"),
                              m_file->damagedPath() + QStringLiteral(".2") };
    for (const QString &name : names) {
        const QByteArray damaged = "{\"jugadores\": " + name.toUtf8();
        write(m_file->path(), damaged);
        const StatisticsFile::Loaded loaded = m_file->load();
        QVERIFY(loaded.damaged);
        QCOMPARE(loaded.movedTo, name);
        QVERIFY(loaded.notice().contains(QFileInfo(name).fileName()));
        QVERIFY(!QFile::exists(m_file->path()));
        QVERIFY(m_file->save(sample()));
    }
    write(m_file->path() + QStringLiteral(".guardando-Xy12Ab"), "{\"jugad");
    QVERIFY(m_file->load().statistics == sample());
    for (const QString &name : names)
        QCOMPARE(contents(name), "{\"jugadores\": " + name.toUtf8());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), names.size() + 1);
}

// Totals that add up but leave no room to count one more game are no file of ours: counting
// into them would overflow.
void TestStatisticsFile::figuresBeyondAnyCountAreDamaged()
{
    QJsonObject json = sample().toJson();
    QJsonObject everybody = json.value(QStringLiteral("todos")).toObject();
    const int more = std::numeric_limits<int>::max() - everybody.value("partidas").toInt();
    for (const char *key : { "partidas", "ganadas" })
        everybody[QLatin1String(key)] = everybody.value(QLatin1String(key)).toInt() + more;
    json[QStringLiteral("todos")] = everybody;
    write(m_file->path(), QJsonDocument(json).toJson());
    QVERIFY(m_file->load().damaged);
}

void TestStatisticsFile::damagedFileThatCannotBeMovedStaysWhole_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("a folder that cannot be written") << true;
    QTest::newRow("every name of the series taken") << false;
}

// When the damaged file cannot be moved aside it stays as it is, as do the older copies, and
// the run writes nothing over it.
void TestStatisticsFile::damagedFileThatCannotBeMovedStaysWhole()
{
    QFETCH(bool, readOnlyFolder);
    const QByteArray damaged = "{\"jugadores\": [";
    write(m_file->path(), damaged);
    write(m_file->damagedPath(), "older");
    QStringList copies { m_file->damagedPath() };
    QFile folder(m_dir->path());
    const QFileDevice::Permissions permissions = folder.permissions();
    if (readOnlyFolder) {
        QVERIFY(folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (canWriteIn(m_dir->path())) {
            folder.setPermissions(permissions);
            QSKIP("this user writes in folders without write permission");
        }
    } else {
        for (int n = 1; n < 100; ++n) {
            copies << m_file->damagedPath() + QLatin1Char('.') + QString::number(n);
            write(copies.last(), "older");
        }
    }

    const StatisticsFile::Loaded loaded = m_file->load();
    const bool saved = m_file->save(sample());
    folder.setPermissions(permissions);
    QVERIFY(loaded.damaged);
    QVERIFY(loaded.movedTo.isEmpty());
    QVERIFY(!loaded.notice().isEmpty());
    QVERIFY(!saved);
    QCOMPARE(contents(m_file->path()), damaged);
    for (const QString &copy : copies)
        QCOMPARE(contents(copy), QByteArray("older"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), copies.size() + 1);
}

ZELBO_TEST_GUILESS_MAIN(TestStatisticsFile)
#include "tst_statisticsfile.moc"
