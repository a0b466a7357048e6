// SPDX-License-Identifier: GPL-3.0-or-later

#include "preferencesfile.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(PreferenceValues)

namespace {
constexpr char kInitialFile[] = "\"Player\"\r\n\"Player\"\r\n\"\"\r\n14737632\r\n\"\"\r\n";

QByteArray fileOf(const PreferenceValues &values)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PreferencesFile::write(buffer, values);
    return buffer.data();
}

// Values unlike both the initial ones and those in the test files, so that every value a
// failed read leaves alone can be told from one it set.
PreferenceValues before()
{
    PreferenceValues values;
    values.nombreCpu = QStringLiteral("Antes CPU");
    values.nombreHumano = QStringLiteral("Antes humano");
    values.aplicacion = QStringLiteral("/usr/bin/antes");
    values.colorFondo = 123;
    values.reverso = QStringLiteral("/antes.jpg");
    return values;
}

PreferenceValues with(const QString &cpu, const QString &human, const QString &app, qint32 colour,
                      const QString &back)
{
    return PreferenceValues { cpu, human, app, colour, back };
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}
} // namespace

class TestPreferencesFile : public QObject
{
    Q_OBJECT

private slots:
    void initialValuesGiveFiveLineFile();
    void writtenFileAndReadBack_data();
    void writtenFileAndReadBack();
    void readAppliesValuesUpToTheFailure_data();
    void readAppliesValuesUpToTheFailure();
    void loadOfMissingFileFails();
    void saveReplacesPreviousFile();
    void failedSaveKeepsPreviousFile_data();
    void failedSaveKeepsPreviousFile();
    void damagedFileIsLoggedWithItsPlace();
    void shippedDefaultsNameTwoPlayersInTheFilesFormat();
};

void TestPreferencesFile::initialValuesGiveFiveLineFile()
{
    QCOMPARE(fileOf(PreferenceValues {}), QByteArray(kInitialFile));
}

void TestPreferencesFile::writtenFileAndReadBack_data()
{
    QTest::addColumn<PreferenceValues>("values");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<PreferenceValues>("readBack");

    const PreferenceValues commas = with("Pérez, Juan", "a,b", "run --x, y", 0, "/c,d.jpg");
    QTest::newRow("commas stay inside the quotes")
        << commas
        << QByteArray("\"P\xe9rez, Juan\"\r\n\"a,b\"\r\n\"run --x, y\"\r\n0\r\n\"/c,d.jpg\"\r\n")
        << commas;
    QTest::newRow("double quote becomes an apostrophe")
        << with("Pepe \"el\", Jr", "Ana", "", 1, "")
        << QByteArray("\"Pepe 'el', Jr\"\r\n\"Ana\"\r\n\"\"\r\n1\r\n\"\"\r\n")
        << with("Pepe 'el', Jr", "Ana", "", 1, "");
    const PreferenceValues spanish = with("Señor", "María", "", 255, "/img/ñandú.jpg");
    QTest::newRow("Spanish letters one byte each") << spanish
                                                   << QByteArray("\"Se\xf1or\"\r\n\"Mar\xed"
                                                                 "a\"\r\n\"\"\r\n255\r\n\"/img/\xf1"
                                                                 "and\xfa.jpg\"\r\n")
                                                   << spanish;
    QTest::newRow("letter outside Windows-1252 becomes a question mark")
        << with("Łukasz", "Player", "", 0, "")
        << QByteArray("\"?ukasz\"\r\n\"Player\"\r\n\"\"\r\n0\r\n\"\"\r\n")
        << with("?ukasz", "Player", "", 0, "");
    const PreferenceValues systemColour = with("Player", "Player", "", -2147483633, "");
    QTest::newRow("negative colour")
        << systemColour << QByteArray("\"Player\"\r\n\"Player\"\r\n\"\"\r\n-2147483633\r\n\"\"\r\n")
        << systemColour;
    const PreferenceValues extremes = with("", " ", "", -2147483647 - 1, "  ");
    QTest::newRow("empty and blank texts, smallest colour")
        << extremes << QByteArray("\"\"\r\n\" \"\r\n\"\"\r\n-2147483648\r\n\"  \"\r\n") << extremes;
}

void TestPreferencesFile::writtenFileAndReadBack()
{
    QFETCH(PreferenceValues, values);
    QFETCH(QByteArray, file);
    QFETCH(PreferenceValues, readBack);
    QCOMPARE(fileOf(values), file);

    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    PreferenceValues read = before();
    QVERIFY(PreferencesFile::read(buffer, read));
    QCOMPARE(read, readBack);
}

void TestPreferencesFile::readAppliesValuesUpToTheFailure_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<PreferenceValues>("values");

    const PreferenceValues old = before();
    QTest::newRow("complete file") << QByteArray(kInitialFile) << true << PreferenceValues {};
    QTest::newRow("two lines only")
        << QByteArray("\"Ana\"\r\n\"Luis\"\r\n") << false
        << with("Ana", "Luis", old.aplicacion, old.colorFondo, old.reverso);
    QTest::newRow("fourth line not a number")
        << QByteArray("\"Ana\"\r\n\"Luis\"\r\n\"juego\"\r\n\"azul\"\r\n\"x.jpg\"\r\n") << false
        << with("Ana", "Luis", "juego", old.colorFondo, old.reverso);
    QTest::newRow("colour beyond 32 bits")
        << QByteArray("\"Ana\"\r\n\"Luis\"\r\n\"\"\r\n4294967295\r\n\"x.jpg\"\r\n") << false
        << with("Ana", "Luis", "", old.colorFondo, old.reverso);
    QTest::newRow("fifth line missing") << QByteArray("\"Ana\"\r\n\"Luis\"\r\n\"\"\r\n42\r\n")
                                        << false << with("Ana", "Luis", "", 42, old.reverso);
    QTest::newRow("empty file") << QByteArray() << false << old;
    QTest::newRow("extra lines ignored")
        << QByteArray(kInitialFile) + "\"more\"\r\nnot a number\r\n\"" << true
        << PreferenceValues {};
    QTest::newRow("several items on one line")
        << QByteArray("\"Ana\",\"Luis\",\"\", 255 ,\"x.jpg\"\r\n") << true
        << with("Ana", "Luis", "", 255, "x.jpg");
    QTest::newRow("LF line ends, unquoted names")
        << QByteArray("Ana\nLuis\n\"\"\n7\n\"\"\n") << true << with("Ana", "Luis", "", 7, "");
    QTest::newRow("junk after a quoted name")
        << QByteArray("\"Ana\" junk, \"Luis\"\r\n\"\"\r\n7\r\n\"\"\r\n") << true
        << with("Ana", "Luis", "", 7, "");
}

void TestPreferencesFile::readAppliesValuesUpToTheFailure()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, ok);
    QFETCH(PreferenceValues, values);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    PreferenceValues read = before();
    QCOMPARE(PreferencesFile::read(buffer, read), ok);
    QCOMPARE(read, values);
}

void TestPreferencesFile::loadOfMissingFileFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    PreferenceValues values = before();
    QVERIFY(!PreferencesFile::load(dir.filePath(QStringLiteral("lastprop.dat")), values));
    QCOMPARE(values, before());
}

void TestPreferencesFile::saveReplacesPreviousFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lastprop.dat"));
    QVERIFY(writeFile(path, QByteArray(1000, 'x'))); // longer than what replaces it

    QVERIFY(PreferencesFile::save(path, PreferenceValues {}));
    QCOMPARE(contentsOf(path), QByteArray(kInitialFile));
    PreferenceValues loaded = before();
    QVERIFY(PreferencesFile::load(path, loaded));
    QCOMPARE(loaded, PreferenceValues {});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList { "lastprop.dat" });
}

// Read-only permissions do not stop root, so each case fails for a reason that does.
void TestPreferencesFile::failedSaveKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("target");

    // The temporary file beside the target needs a longer name than the directory allows.
    const QString longName = QString(250, QLatin1Char('p'));
    QTest::newRow("name too long for the temporary file") << longName << longName;
    QTest::newRow("parent is a regular file") << "lastprop.dat"
                                              << "lastprop.dat/lastprop.dat";
    QTest::newRow("target is a directory") << "lastprop.dat"
                                           << "sub";
    QTest::newRow("parent directory missing") << "lastprop.dat"
                                              << "missing/lastprop.dat";
}

void TestPreferencesFile::failedSaveKeepsPreviousFile()
{
    QFETCH(QString, kept);
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QByteArray previous = "\"Old\"\r\n\"Old\"\r\n\"\"\r\n1\r\n\"\"\r\n";
    QVERIFY(writeFile(dir.filePath(kept), previous));

    QVERIFY(!PreferencesFile::save(dir.filePath(target), PreferenceValues {}));

    QCOMPARE(contentsOf(dir.filePath(kept)), previous);
    QDir top(dir.path());
    QCOMPARE(top.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({ kept, QStringLiteral("sub") }));
    QVERIFY(QDir(dir.filePath(QStringLiteral("sub")))
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestPreferencesFile::damagedFileIsLoggedWithItsPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lastprop.dat"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("\"Rosa\"\r\n\"Ana\"\r\n\"\"\r\nazul\r\n\"\"\r\n");
    out.close();
    const QString reason = QStringLiteral("line 4: item 4: not a 32-bit whole number: azul");
    QTest::ignoreMessage(QtWarningMsg, qPrintable(path + QStringLiteral(": ") + reason));
    PreferenceValues values;
    QString given;
    QVERIFY(!PreferencesFile::load(path, values, &given));
    QCOMPARE(given, reason);
    QCOMPARE(values.nombreHumano, QStringLiteral("Ana")); // read up to the fault, as before
}

// A first start plays with the shipped defaults: the results, the score panel and the
// statistics must tell the two players apart by their names, and the file must be one the
// game writes itself, byte for byte.
void TestPreferencesFile::shippedDefaultsNameTwoPlayersInTheFilesFormat()
{
    const QString shipped = rutaDePrueba("ZELBO_PORDEFECTO");
    PreferenceValues values = before();
    QVERIFY(PreferencesFile::load(shipped, values));
    QVERIFY(!values.nombreCpu.trimmed().isEmpty() && !values.nombreHumano.trimmed().isEmpty());
    QVERIFY2(values.nombreCpu != values.nombreHumano, qPrintable(values.nombreCpu));
    QCOMPARE(fileOf(values), contentsOf(shipped));
}

ZELBO_TEST_GUILESS_MAIN(TestPreferencesFile)
#include "tst_preferencesfile.moc"
