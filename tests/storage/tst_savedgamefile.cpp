// SPDX-License-Identifier: GPL-3.0-or-later

#include "programadepruebas.h"
#include "savedgamefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <ctime>

Q_DECLARE_METATYPE(SavedGame)

namespace {
// Lines of firstDeal()'s file, counted from 0.
constexpr int kFirstFlagLine = 15;
constexpr int kPrimerRepartoLine = 56;
constexpr int kCartasLine = 58;
constexpr int kPuntosCpuLine = 62;
constexpr int kPuntosHumanoLine = 66;
constexpr int kFirstDealLines = 68;

// Right after the first deal of a hand: four cards on the table, three in each hand.
SavedGame firstDeal()
{
    SavedGame game;
    game.lamesa = QStringList { "12", "3", "40", "7" };
    game.player1 = QStringList { "1", "25", "33" };
    game.player2 = QStringList { "18", "9", "30" };
    game.repartidas = QList<bool>(40, false);
    for (const QStringList *list : { &game.lamesa, &game.player1, &game.player2 }) {
        for (const QString &entry : *list) {
            game.repartidas[entry.toInt() - 1] = true;
        }
    }
    game.cartasRepartidas = 10;
    game.nombreCpu = QStringLiteral("Computadora");
    game.puntosCpu = 1;
    game.nombreHumano = QStringLiteral("Ana");
    game.puntosHumano = 2;
    return game;
}

QByteArray fileOf(const SavedGame &game)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SavedGameFile::write(buffer, game);
    return buffer.data();
}

std::optional<SavedGame> gameOf(QByteArray file)
{
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    return SavedGameFile::read(buffer);
}

QList<QByteArray> linesOf(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast(); // after the last line end
    for (QByteArray &line : lines) {
        line.chop(1); // CR
    }
    return lines;
}

QByteArray fileOfLines(const QList<QByteArray> &lines)
{
    return lines.isEmpty() ? QByteArray() : lines.join("\r\n") + "\r\n";
}

QByteArray firstDealWithLine(int index, const QByteArray &line)
{
    QList<QByteArray> lines = linesOf(fileOf(firstDeal()));
    lines[index] = line;
    return fileOfLines(lines);
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
} // namespace

class TestSavedGameFile : public QObject
{
    Q_OBJECT

private slots:
    void firstDealGivesSixtyEightLines();
    void writtenGameReadsBackEqual_data();
    void writtenGameReadsBackEqual();
    void entriesKeepTheirLeadingNumber_data();
    void entriesKeepTheirLeadingNumber();
    void handEditedFileIsAccepted_data();
    void handEditedFileIsAccepted();
    void damagedFileGivesNothing_data();
    void damagedFileGivesNothing();
    void hugeDamagedFileFailsQuickly_data();
    void hugeDamagedFileFailsQuickly();
    void saveAndLoadThroughFile();
    void loadOfMissingFileGivesNothing();
    void failedSaveKeepsPreviousGame();
    void refusedFileIsLoggedWithItsPlace_data();
    void refusedFileIsLoggedWithItsPlace();
};

void TestSavedGameFile::firstDealGivesSixtyEightLines()
{
    QByteArray expected = "\"12\"\r\n\"3\"\r\n\"40\"\r\n\"7\"\r\n\"otro\"\r\n"
                          "\"1\"\r\n\"25\"\r\n\"33\"\r\n\"otro\"\r\n"
                          "\"otro\"\r\n"
                          "\"18\"\r\n\"9\"\r\n\"30\"\r\n\"otro\"\r\n"
                          "\"otro\"\r\n";
    const QList<int> dealt { 1, 3, 7, 9, 12, 18, 25, 30, 33, 40 };
    for (int card = 1; card <= 40; ++card) {
        expected += dealt.contains(card) ? "#TRUE#\r\n" : "#FALSE#\r\n";
    }
    expected
        += "\"otro\"\r\n#FALSE#\r\n\"otro\"\r\n10\r\n\"otro\"\r\n\"Computadora\"\r\n\"otro\"\r\n"
           "1\r\n\"otro\"\r\n\"Ana\"\r\n\"otro\"\r\n2\r\n\"otro\"\r\n";

    const QByteArray file = fileOf(firstDeal());
    QCOMPARE(file.count("\r\n"), kFirstDealLines);
    QCOMPARE(file, expected);
}

void TestSavedGameFile::writtenGameReadsBackEqual_data()
{
    QTest::addColumn<SavedGame>("game");

    QTest::newRow("first deal") << firstDeal();
    QTest::newRow("nothing at all") << SavedGame {};

    SavedGame lateHand = firstDeal();
    lateHand.lamesa.clear();
    lateHand.player1 = QStringList { "2" };
    lateHand.player1Lev = QStringList { "40", "1", "22", "5", "17" }; // top card first
    lateHand.player2.clear();
    lateHand.player2Lev = QStringList { "39", "6" };
    lateHand.repartidas = QList<bool>(40, true);
    lateHand.primerReparto = true;
    lateHand.cartasRepartidas = 40;
    QTest::newRow("piles in order, everything dealt") << lateHand;

    SavedGame odd = firstDeal();
    odd.nombreCpu = QStringLiteral("Pérez, Juan");
    odd.nombreHumano = QStringLiteral("otro");
    odd.puntosCpu = -32768;
    odd.puntosHumano = 32767;
    odd.cartasRepartidas = 255;
    odd.repartidas = QList<bool> { true, false, true };
    QTest::newRow("names with a comma or the terminator, extreme numbers") << odd;

    SavedGame full;
    for (int card = 1; card <= 40; ++card) {
        full.player2Lev.append(QString::number(card));
    }
    QTest::newRow("one pile with the whole deck") << full;
}

void TestSavedGameFile::writtenGameReadsBackEqual()
{
    QFETCH(SavedGame, game);
    const std::optional<SavedGame> read = gameOf(fileOf(game));
    QVERIFY(read);
    QCOMPARE(*read, game);
}

void TestSavedGameFile::entriesKeepTheirLeadingNumber_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("kept");

    const QList<std::pair<QString, QString>> entries { { " 7", "7" },   { "7abc", "7" },
                                                       { "abc", "0" },  { "", "0" },
                                                       { "007", "7" },  { "-3", "-3" },
                                                       { "2.5", "2.5" } };
    const QStringList lists { "lamesa", "player1", "player1Lev", "player2", "player2Lev" };
    for (int list = 0; list < lists.size(); ++list) {
        for (const auto &[entry, kept] : entries) {
            QTest::addRow("%s '%s'", qPrintable(lists[list]), qPrintable(entry))
                << list << entry << kept;
        }
    }
}

void TestSavedGameFile::entriesKeepTheirLeadingNumber()
{
    QFETCH(int, list);
    QFETCH(QString, entry);
    QFETCH(QString, kept);
    SavedGame game = firstDeal();
    const std::array<QStringList *, 5> lists { &game.lamesa, &game.player1, &game.player1Lev,
                                               &game.player2, &game.player2Lev };
    lists[list]->append(entry);
    const QByteArray file = fileOf(game);
    lists[list]->last() = kept;

    const std::optional<SavedGame> read = gameOf(file);
    QVERIFY(read);
    QCOMPARE(*read, game);
}

void TestSavedGameFile::handEditedFileIsAccepted_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<SavedGame>("game");

    const SavedGame game = firstDeal();
    const QByteArray written = fileOf(game);
    QList<QByteArray> lines = linesOf(written);

    QTest::newRow("last terminator missing")
        << fileOfLines(lines.first(kFirstDealLines - 1)) << game;
    QTest::newRow("anything after the human's points") << written + "\x01\x02garbage\"" << game;
    QTest::newRow("LF line ends") << QByteArray(written).replace("\r\n", "\n") << game;

    QList<QByteArray> skipped = lines;
    for (int line = kPrimerRepartoLine + 1; line < kPuntosHumanoLine; line += 2) {
        skipped[line] = line % 4 == 1 ? "" : "\"no es otro\"";
    }
    QTest::newRow("terminators of the single values unread") << fileOfLines(skipped) << game;

    SavedGame fewFlags = game;
    fewFlags.repartidas = fewFlags.repartidas.first(3);
    QList<QByteArray> fewFlagLines = lines;
    fewFlagLines.remove(kFirstFlagLine + 3, 37);
    QTest::newRow("fewer than 40 flags") << fileOfLines(fewFlagLines) << fewFlags;

    SavedGame otherBooleans = game;
    QList<QByteArray> otherBooleanLines = lines;
    const QList<std::pair<QByteArray, bool>> booleans {
        { "0", false }, { " true", true }, { "\"#FALSE#\"", false }, { "-1", true }
    };
    for (int card = 0; card < booleans.size(); ++card) {
        otherBooleanLines[kFirstFlagLine + card] = booleans[card].first;
        otherBooleans.repartidas[card] = booleans[card].second;
    }
    QVERIFY(otherBooleans.repartidas != game.repartidas);
    QTest::newRow("booleans written otherwise") << fileOfLines(otherBooleanLines) << otherBooleans;

    const QList<std::pair<QByteArray, int>> counts {
        { "10.4", 10 }, { "10.5", 11 }, { "12 cartas", 12 }, { " 255", 255 }, { "-0.4", 0 }
    };
    for (const auto &[text, count] : counts) {
        SavedGame counted = game;
        counted.cartasRepartidas = count;
        QTest::addRow("dealt count '%s'", text.constData())
            << firstDealWithLine(kCartasLine, text) << counted;
    }
}

void TestSavedGameFile::handEditedFileIsAccepted()
{
    QFETCH(QByteArray, file);
    QFETCH(SavedGame, game);
    const std::optional<SavedGame> read = gameOf(file);
    QVERIFY(read);
    QCOMPARE(*read, game);
}

void TestSavedGameFile::damagedFileGivesNothing_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray written = fileOf(firstDeal());
    const QList<QByteArray> lines = linesOf(written);
    // Every cut before the human's points, so each section ends early once.
    for (int kept = 0; kept <= kPuntosHumanoLine; ++kept) {
        QTest::addRow("cut after %d lines", kept) << fileOfLines(lines.first(kept));
    }
    QTest::newRow("cut inside a quoted name") << written.first(written.indexOf("\"Ana") + 3);

    QList<QByteArray> extraFlag = lines;
    extraFlag.insert(kFirstFlagLine, "#FALSE#");
    QTest::newRow("41 deck flags") << fileOfLines(extraFlag);
    QList<QByteArray> longList = lines;
    for (int i = 0; i < 37; ++i) {
        longList.insert(0, "\"1\"");
    }
    QTest::newRow("41 table cards") << fileOfLines(longList);

    QTest::newRow("bad deck flag") << firstDealWithLine(kFirstFlagLine + 5, "#MAYBE#");
    QTest::newRow("bad primerReparto") << firstDealWithLine(kPrimerRepartoLine, "\"otro\"");
    QTest::newRow("dealt count 300") << firstDealWithLine(kCartasLine, "300");
    QTest::newRow("dealt count 255.5") << firstDealWithLine(kCartasLine, "255.5");
    QTest::newRow("dealt count -1") << firstDealWithLine(kCartasLine, "-1");
    QTest::newRow("dealt count without a number") << firstDealWithLine(kCartasLine, "diez");
    QTest::newRow("CPU points 70000") << firstDealWithLine(kPuntosCpuLine, "70000");
    QTest::newRow("CPU points -32769") << firstDealWithLine(kPuntosCpuLine, "-32769");
    QTest::newRow("human points 70000") << firstDealWithLine(kPuntosHumanoLine, "70000");
    QTest::newRow("human points 1.5") << firstDealWithLine(kPuntosHumanoLine, "1.5");
    QTest::newRow("human name too long")
        << firstDealWithLine(kPuntosHumanoLine - 2, '"' + QByteArray(100 * 1024, 'a') + '"');
    QTest::newRow("empty file") << QByteArray();

    QByteArray garbage(4096, Qt::Uninitialized);
    QRandomGenerator random(20240601);
    for (char &byte : garbage) {
        byte = static_cast<char>(random.bounded(256));
    }
    QTest::newRow("binary garbage") << garbage;
}

void TestSavedGameFile::damagedFileGivesNothing()
{
    QFETCH(QByteArray, file);
    QVERIFY(!gameOf(file));
}

void TestSavedGameFile::hugeDamagedFileFailsQuickly_data()
{
    QTest::addColumn<QByteArray>("file");

    constexpr qsizetype kSize = 10 * 1024 * 1024;
    QByteArray garbage(kSize, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &byte : garbage) {
        byte = static_cast<char>(random.bounded(256));
    }
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("one endless line") << QByteArray(kSize, 'x');
    QTest::newRow("blanks only") << QByteArray(kSize, ' ');
    QTest::newRow("endless table") << QByteArray("\"5\"\r\n").repeated(kSize / 5);
    QTest::newRow("endless deck") << QByteArray("\"otro\"\r\n").repeated(5)
            + QByteArray("#TRUE#\r\n").repeated(kSize / 8);
    const QByteArray written = fileOf(firstDeal());
    QTest::newRow("name never closed")
        << written.first(written.indexOf("\"Computadora")) + '"' + QByteArray(kSize, 'a');
    QTest::newRow("only line ends") << QByteArray(kSize, '\n');
}

// The limit is generous; what it catches is work that grows faster than the file. Processor
// time, not wall time, so that a busy machine does not fail the test.
void TestSavedGameFile::hugeDamagedFileFailsQuickly()
{
    QFETCH(QByteArray, file);
    const std::clock_t start = std::clock();
    QVERIFY(!gameOf(file));
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    QCOMPARE_LT(seconds, 2.0);
}

void TestSavedGameFile::saveAndLoadThroughFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("partida.dat"));
    QFile previous(path);
    QVERIFY(previous.open(QIODevice::WriteOnly));
    previous.write(QByteArray(5000, 'x'));
    previous.close();

    QVERIFY(SavedGameFile::save(path, firstDeal()));
    QCOMPARE(contentsOf(path), fileOf(firstDeal()));
    const std::optional<SavedGame> loaded = SavedGameFile::load(path);
    QVERIFY(loaded);
    QCOMPARE(*loaded, firstDeal());
}

void TestSavedGameFile::loadOfMissingFileGivesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!SavedGameFile::load(dir.filePath(QStringLiteral("missing.dat"))));
}

// Read-only permissions do not stop root; a name too long for the temporary file beside it does.
void TestSavedGameFile::failedSaveKeepsPreviousGame()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QString(250, QLatin1Char('g')));
    SavedGame previousGame = firstDeal();
    previousGame.nombreHumano = QStringLiteral("Antes");
    QFile previous(path);
    QVERIFY(previous.open(QIODevice::WriteOnly));
    previous.write(fileOf(previousGame));
    previous.close();

    QVERIFY(!SavedGameFile::save(path, firstDeal()));
    QCOMPARE(contentsOf(path), fileOf(previousGame));
    QCOMPARE(QDir(dir.path()).count(), 3u); // ".", ".." and the previous game
}

void TestSavedGameFile::refusedFileIsLoggedWithItsPlace_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty") << QByteArray()
                           << QStringLiteral(
                                  "line 1: item 1: the file ends before the item asked for");
    QTest::newRow("a deck flag") << firstDealWithLine(kFirstFlagLine, "quizas")
                                 << QStringLiteral(
                                        "line 16: item 16: a deck flag is not a boolean");
    QTest::newRow("the dealt count")
        << firstDealWithLine(kCartasLine, "muchas")
        << QStringLiteral("line 59: item 59: the dealt-card count is not a number from 0 to 255");
    QTest::newRow("the CPU's points")
        << firstDealWithLine(kPuntosCpuLine, "99999")
        << QStringLiteral("line 63: item 63: points outside the 16-bit range");
    // A name over two lines: lines and items part ways.
    SavedGame twoLines = firstDeal();
    twoLines.nombreCpu = QStringLiteral("Compu\r\ntadora");
    QList<QByteArray> lines = linesOf(fileOf(twoLines));
    lines[kPuntosCpuLine + 1] = "x";
    QTest::newRow("after a name of two lines")
        << fileOfLines(lines) << QStringLiteral("line 64: item 63: not a 32-bit whole number: x");
}

// The player reads only "Error leyendo archivo"; the log tells where and what.
void TestSavedGameFile::refusedFileIsLoggedWithItsPlace()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("partida.dat"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();
    QTest::ignoreMessage(QtWarningMsg, qPrintable(path + QStringLiteral(": ") + reason));
    QString given;
    QVERIFY(!SavedGameFile::load(path, &given));
    QCOMPARE(given, reason);

    const QString missing = dir.filePath(QStringLiteral("otra.dat"));
    QTest::ignoreMessage(
        QtWarningMsg,
        QRegularExpression(
            QStringLiteral("^%1: cannot be opened: .+$").arg(QRegularExpression::escape(missing))));
    QVERIFY(!SavedGameFile::load(missing));
}

ZELBO_TEST_GUILESS_MAIN(TestSavedGameFile)
#include "tst_savedgamefile.moc"
