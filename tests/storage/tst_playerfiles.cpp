// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomicsave.h"
#include "keptgamesample.h"
#include "keptgamestats.h"
#include "keptgamestore.h"
#include "preferencesfile.h"
#include "programadepruebas.h"
#include "savedgamefile.h"
#include "statisticsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A file of a kind the player keeps, saved in version 1 or 2 (a few kilobytes, under the
// size below which a file is written in one flush at the end); read back as its version,
// 0 for anything else.
struct Kind
{
    // The file's name in the folder.
    QString name;
    std::function<bool(const QString &folder, int version)> save;
    std::function<int(const QString &folder)> read;
};

QString text(int version)
{
    return QString(version * 3000, QChar(u'a' + version));
}

int versionOf(const QString &value)
{
    for (int version : { 1, 2 }) {
        if (value == text(version))
            return version;
    }
    return 0;
}

Statistics statistics(int version)
{
    Statistics statistics;
    KeptGameStats game(text(version), Statistics::kNormal);
    game.handEnded(1, 23, 17);
    statistics.commit(game, GameResult::Won);
    return statistics;
}

Kind statisticsKind()
{
    return { QStringLiteral("estadisticas.json"),
             [](const QString &folder, int version) {
                 StatisticsFile file(folder);
                 file.load();
                 return file.save(statistics(version));
             },
             [](const QString &folder) {
                 // Each game counted has an identity of its own: the player's name tells the
                 // versions apart.
                 const QStringList players = StatisticsFile(folder).load().statistics.players();
                 return players.size() == 1 ? versionOf(players.first()) : 0;
             } };
}

Kind preferencesKind()
{
    return { QStringLiteral("lastprop.dat"),
             [](const QString &folder, int version) {
                 PreferenceValues values;
                 values.nombreCpu = text(version);
                 return PreferencesFile::save(folder + QStringLiteral("/lastprop.dat"), values);
             },
             [](const QString &folder) {
                 PreferenceValues values;
                 return PreferencesFile::load(folder + QStringLiteral("/lastprop.dat"), values)
                     ? versionOf(values.nombreCpu)
                     : 0;
             } };
}

Kind savedGameKind()
{
    return { QStringLiteral("partida.dat"),
             [](const QString &folder, int version) {
                 SavedGame game;
                 game.nombreCpu = text(version);
                 return SavedGameFile::save(folder + QStringLiteral("/partida.dat"), game);
             },
             [](const QString &folder) {
                 const std::optional<SavedGame> game
                     = SavedGameFile::load(folder + QStringLiteral("/partida.dat"));
                 return game ? versionOf(game->nombreCpu) : 0;
             } };
}

Kind keptGameKind()
{
    // Sample 1 keeps an undo history of about 8 KB, sample 2 of about 16 KB.
    return { QStringLiteral("partida-en-curso.dat"),
             [](const QString &folder, int version) {
                 return KeptGameStore(folder).save(keptGameSample(version));
             },
             [](const QString &folder) {
                 const std::optional<KeptGame> game = KeptGameStore(folder).load().game;
                 return game ? static_cast<int>(game->numeroPartida) : 0;
             } };
}

std::vector<std::pair<const char *, Kind>> kinds()
{
    return { { "statistics", statisticsKind() },
             { "preferences", preferencesKind() },
             { "saved game", savedGameKind() },
             { "kept game", keptGameKind() } };
}

// Writes zeros until the file system takes no more.
void fill(const QString &path)
{
    QFile filler(path);
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, '\0');
    while (filler.write(block) > 0) { }
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestPlayerFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void saveThatFailsKeepsThePreviousFile_data();
    void saveThatFailsKeepsThePreviousFile();
    void fifoIsNeitherReadNorReplaced_data();
    void fifoIsNeitherReadNorReplaced();

private:
    // Version 1 saved whole; then version 2 must fail while the disk is full, and leave
    // version 1 and no other file.
    static void saveOnceFullThenCheck(const QString &folder, const Kind &kind,
                                      const std::function<void()> &makeFull,
                                      const std::function<void()> &makeRoom);

    // A mount namespace of this thread's own, so that the small file systems it mounts are
    // seen by nobody else and go with the test.
    bool m_privateMounts = false;
    QString m_whyNoMounts;
};

void TestPlayerFiles::initTestCase()
{
    // A write past the size limit fails instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    if (::geteuid() != 0) {
        m_whyNoMounts = QStringLiteral("a file system of its own needs root");
    } else if (::unshare(CLONE_NEWNS) != 0
               || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        m_whyNoMounts = QStringLiteral("no private mount namespace here: %1")
                            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    } else {
        m_privateMounts = true;
    }
}

void TestPlayerFiles::saveThatFailsKeepsThePreviousFile_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("realFileSystem");
    for (const auto &[name, kind] : kinds()) {
        QTest::addRow("%s, file size limit", name) << kind << false;
        QTest::addRow("%s, full tmpfs", name) << kind << true;
    }
}

void TestPlayerFiles::saveThatFailsKeepsThePreviousFile()
{
    QFETCH(Kind, kind);
    QFETCH(bool, realFileSystem);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("zelbo"));
    QVERIFY(QDir().mkpath(folder));
    if (!realFileSystem) {
        // The limit stops the temporary file in the write that the final flush makes.
        rlimit before {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit limited = before;
        limited.rlim_cur = 1024;
        saveOnceFullThenCheck(
            folder, kind, [&limited] { QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0); },
            [&before] { QCOMPARE(::setrlimit(RLIMIT_FSIZE, &before), 0); });
        return;
    }
    if (!m_privateMounts)
        QSKIP(qPrintable(m_whyNoMounts));
    const QByteArray where = QFile::encodeName(folder);
    QCOMPARE(::mount("tmpfs", where.constData(), "tmpfs", 0, "size=256k"), 0);
    const QString filler = folder + QStringLiteral("/relleno");
    saveOnceFullThenCheck(
        folder, kind, [&filler] { fill(filler); }, [&filler] { QVERIFY(QFile::remove(filler)); });
    QCOMPARE(::umount2(where.constData(), MNT_DETACH), 0);
}

void TestPlayerFiles::fifoIsNeitherReadNorReplaced_data()
{
    QTest::addColumn<Kind>("kind");
    for (const auto &[name, kind] : kinds())
        QTest::newRow(name) << kind;
}

// Opening a FIFO for reading waits for a writer that never comes: the test would hang.
void TestPlayerFiles::fifoIsNeitherReadNorReplaced()
{
    QFETCH(Kind, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fifo = dir.filePath(kind.name);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(kind.read(dir.path()), 0);
    QVERIFY(!kind.save(dir.path(), 1));
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

void TestPlayerFiles::saveOnceFullThenCheck(const QString &folder, const Kind &kind,
                                            const std::function<void()> &makeFull,
                                            const std::function<void()> &makeRoom)
{
    QVERIFY(kind.save(folder, 1));
    const QStringList files = QDir(folder).entryList(QDir::Files);
    makeFull();
    const bool saved = kind.save(folder, 2);
    makeRoom();
    QVERIFY(!saved);
    QCOMPARE(kind.read(folder), 1);
    QCOMPARE(QDir(folder).entryList(QDir::Files), files);
}

ZELBO_TEST_GUILESS_MAIN(TestPlayerFiles)
#include "tst_playerfiles.moc"
