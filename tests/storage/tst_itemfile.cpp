// SPDX-License-Identifier: GPL-3.0-or-later

#include "fulldevice.h"
#include "itemfileerror.h"
#include "itemreader.h"
#include "itemwriter.h"
#include "programadepruebas.h"

#include <QBuffer>
#include <QTest>

namespace {
// Every item of the data, read as text until the reader says there is no more.
QStringList readAllItems(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    ItemReader reader(buffer);
    QStringList items;
    try {
        for (;;) {
            items.append(reader.readText());
        }
    } catch (const ItemFileError &) {
    }
    return items;
}
} // namespace

class TestItemFile : public QObject
{
    Q_OBJECT

private slots:
    void readerSplitsItems_data();
    void readerSplitsItems();
    void readingPastTheLastItemFails();
    void itemLengthIsLimited_data();
    void itemLengthIsLimited();
    void endlessLineFailsWithoutReadingTheWholeFile();
    void unreadableDeviceFails();
    void booleanItems_data();
    void booleanItems();
    void int32Items_data();
    void int32Items();
    void leadingNumber_data();
    void leadingNumber();
    void writerWritesBytes_data();
    void writerWritesBytes();
    void writtenTextReadsBack_data();
    void writtenTextReadsBack();
    void writerStopsAtFirstFailedWrite();
    void writerRefusesReadOnlyDevice();
};

void TestItemFile::readerSplitsItems_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("one quoted item per line")
        << QByteArray("\"a\"\r\n\"b\"\r\n") << QStringList { "a", "b" };
    QTest::newRow("LF line ends") << QByteArray("\"a\"\n12\n") << QStringList { "a", "12" };
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb") << QStringList { "a", "b" };
    QTest::newRow("several items on one line")
        << QByteArray("\"a\",\"b\", 3 ,#TRUE#\r\n") << QStringList { "a", "b", "3", "#TRUE#" };
    QTest::newRow("quoted item keeps commas and blanks")
        << QByteArray("\" x, y \"\r\n") << QStringList { " x, y " };
    QTest::newRow("junk after quoted item dropped up to the comma")
        << QByteArray("\"abc\"junk,\"def\"\r\n") << QStringList { "abc", "def" };
    QTest::newRow("junk after quoted item dropped up to the line end")
        << QByteArray("\"abc\" junk \"x\"\r\nnext\r\n") << QStringList { "abc", "next" };
    QTest::newRow("leading blanks skipped")
        << QByteArray("  \t\"a\"\r\n   7\r\n") << QStringList { "a", "7" };
    QTest::newRow("trailing blanks of a plain item dropped")
        << QByteArray("Pepe  \t ,x\r\n") << QStringList { "Pepe", "x" };
    QTest::newRow("plain item keeps an inner quote")
        << QByteArray("ab\"c\r\n") << QStringList { "ab\"c" };
    QTest::newRow("empty quoted item") << QByteArray("\"\"\r\n") << QStringList { "" };
    QTest::newRow("empty line is an empty item")
        << QByteArray("a\r\n\r\nb\r\n") << QStringList { "a", "", "b" };
    QTest::newRow("comma at line end leaves an empty item")
        << QByteArray("a,\r\nb") << QStringList { "a", "", "b" };
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QStringList { "a", "b" };
    QTest::newRow("blanks at the end of the file are no item")
        << QByteArray("a\r\n  \t") << QStringList { "a" };
    QTest::newRow("quoted item runs over a line end")
        << QByteArray("\"a\r\nb\"\r\nc\r\n") << QStringList { "a\r\nb", "c" };
    QTest::newRow("unclosed quote runs to the end of the file")
        << QByteArray("\"abc\r\nd") << QStringList { "abc\r\nd" };
    QTest::newRow("empty file") << QByteArray() << QStringList {};
    QTest::newRow("Windows-1252 letters")
        << QByteArray("\"Nu\xf1"
                      "ez \x80\"\r\n\xe1\r\n")
        << QStringList { QStringLiteral("Nuñez €"), QStringLiteral("á") };
}

void TestItemFile::readerSplitsItems()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, items);
    QCOMPARE(readAllItems(data), items);
}

void TestItemFile::readingPastTheLastItemFails()
{
    QBuffer buffer;
    buffer.setData("\"Player\"\r\n");
    buffer.open(QIODevice::ReadOnly);
    ItemReader reader(buffer);
    QCOMPARE(reader.readText(), QStringLiteral("Player"));
    QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readText());
    QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readInt32());
}

void TestItemFile::itemLengthIsLimited_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("accepted");

    const QByteArray longest(ItemReader::kMaxItemBytes, 'x');
    QTest::newRow("plain at the limit") << longest + "\r\n" << true;
    QTest::newRow("plain over the limit") << longest + "x\r\n" << false;
    QTest::newRow("quoted at the limit") << '"' + longest + "\"\r\n" << true;
    QTest::newRow("quoted over the limit") << '"' + longest + "x\"\r\n" << false;
    // Blanks that are dropped still had to be held while the item was read.
    QTest::newRow("trailing blanks count")
        << "x" + QByteArray(ItemReader::kMaxItemBytes, ' ') << false;
}

void TestItemFile::itemLengthIsLimited()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, accepted);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ItemReader reader(buffer);
    if (accepted) {
        QCOMPARE(reader.readText().size(), ItemReader::kMaxItemBytes);
    } else {
        QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readText());
    }
}

// A damaged file must not be loaded whole into memory just to find its first item.
void TestItemFile::endlessLineFailsWithoutReadingTheWholeFile()
{
    QByteArray data(10 * 1024 * 1024, 'z');
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ItemReader reader(buffer);
    QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readText());
    QCOMPARE_LT(buffer.pos(), 1024 * 1024);
}

void TestItemFile::unreadableDeviceFails()
{
    QBuffer closed;
    closed.setData("\"Player\"\r\n");
    ItemReader reader(closed);
    QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readText());
}

void TestItemFile::booleanItems_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("value");

    QTest::newRow("#TRUE#") << QByteArray("#TRUE#") << true << true;
    QTest::newRow("#FALSE#") << QByteArray("#FALSE#") << true << false;
    QTest::newRow("lower case") << QByteArray("#true#") << true << true;
    QTest::newRow("word without marks") << QByteArray("False") << true << false;
    QTest::newRow("quoted with blanks") << QByteArray("\" #TRUE# \"") << true << true;
    QTest::newRow("one") << QByteArray("1") << true << true;
    QTest::newRow("minus one") << QByteArray("-1") << true << true;
    QTest::newRow("zeros") << QByteArray("000") << true << false;
    QTest::newRow("huge number") << QByteArray("123456789012345678901234567890") << true << true;
    QTest::newRow("other word") << QByteArray("yes") << false << false;
    QTest::newRow("half marked") << QByteArray("#TRUE") << false << false;
    QTest::newRow("empty") << QByteArray("\"\"") << false << false;
    QTest::newRow("decimal") << QByteArray("1.0") << false << false;
    QTest::newRow("number and letters") << QByteArray("1x") << false << false;
}

void TestItemFile::booleanItems()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, valid);
    QFETCH(bool, value);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ItemReader reader(buffer);
    if (valid) {
        QCOMPARE(reader.readBool(), value);
    } else {
        QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readBool());
    }
}

void TestItemFile::int32Items_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint32>("value");

    QTest::newRow("colour") << QByteArray("14737632") << true << 14737632;
    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("smallest") << QByteArray("-2147483648") << true << qint32(-2147483647 - 1);
    QTest::newRow("largest") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("plus sign") << QByteArray("+7") << true << 7;
    QTest::newRow("leading zeros") << QByteArray("0000000000000000000042") << true << 42;
    QTest::newRow("quoted with blanks") << QByteArray("\" -5 \"") << true << -5;
    QTest::newRow("one over the largest") << QByteArray("2147483648") << false << 0;
    QTest::newRow("one under the smallest") << QByteArray("-2147483649") << false << 0;
    QTest::newRow("far too big") << QByteArray("99999999999999999999999") << false << 0;
    QTest::newRow("number and letters") << QByteArray("12abc") << false << 0;
    QTest::newRow("decimal") << QByteArray("1.5") << false << 0;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << false << 0;
    QTest::newRow("sign only") << QByteArray("-") << false << 0;
    QTest::newRow("two numbers") << QByteArray("1 2") << false << 0;
    QTest::newRow("empty line") << QByteArray("\r\n5") << false << 0;
}

void TestItemFile::int32Items()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, valid);
    QFETCH(qint32, value);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    ItemReader reader(buffer);
    if (valid) {
        QCOMPARE(reader.readInt32(), value);
    } else {
        QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readInt32());
    }
}

void TestItemFile::leadingNumber_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("value");

    QTest::newRow("letters after") << "7abc" << true << 7.0;
    QTest::newRow("blanks before") << " \t 7" << true << 7.0;
    QTest::newRow("no number") << "abc" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("plus sign") << "+4x" << true << 4.0;
    QTest::newRow("decimal") << "2.6 cards" << true << 2.6;
    QTest::newRow("no digit before the point") << "-.5" << true << -0.5;
    QTest::newRow("no digit after the point") << "7." << true << 7.0;
    QTest::newRow("second number ignored") << "12 34" << true << 12.0;
    QTest::newRow("no exponent") << "1e5" << true << 1.0;
    QTest::newRow("sign only") << "-x" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("blank between sign and digits") << "- 5" << false << 0.0;
    QTest::newRow("too big for a double") << "1" + QString(400, QLatin1Char('0')) << false << 0.0;
    QTest::newRow("digit of another script") << QStringLiteral("\u0663") << false << 0.0;
}

void TestItemFile::leadingNumber()
{
    QFETCH(QString, item);
    QFETCH(bool, found);
    QFETCH(double, value);
    const std::optional<double> number = ItemReader::leadingNumber(item);
    QCOMPARE(number.has_value(), found);
    if (found) {
        QCOMPARE(*number, value);
    }
}

void TestItemFile::writerWritesBytes_data()
{
    QTest::addColumn<QVariant>("item");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("text") << QVariant(QStringLiteral("Player")) << QByteArray("\"Player\"\r\n");
    QTest::newRow("empty text") << QVariant(QString()) << QByteArray("\"\"\r\n");
    QTest::newRow("comma kept") << QVariant(QStringLiteral("Ruiz, Ana"))
                                << QByteArray("\"Ruiz, Ana\"\r\n");
    QTest::newRow("Spanish letters one byte each")
        << QVariant(QStringLiteral("ñá¿É")) << QByteArray("\"\xf1\xe1\xbf\xc9\"\r\n");
    QTest::newRow("euro sign") << QVariant(QStringLiteral("€")) << QByteArray("\"\x80\"\r\n");
    QTest::newRow("letters outside Windows-1252") << QVariant(QStringLiteral("Łódź"))
                                                  << QByteArray("\"?\xf3"
                                                                "d?\"\r\n");
    QTest::newRow("character outside the basic plane")
        << QVariant(QStringLiteral("a\U0001F600b")) << QByteArray("\"a?b\"\r\n");
    QTest::newRow("double quote as apostrophe")
        << QVariant(QStringLiteral("Pepe \"el\", Jr")) << QByteArray("\"Pepe 'el', Jr\"\r\n");
    QTest::newRow("number") << QVariant(qint64(14737632)) << QByteArray("14737632\r\n");
    QTest::newRow("negative number")
        << QVariant(qint64(-2147483633)) << QByteArray("-2147483633\r\n");
    QTest::newRow("zero") << QVariant(qint64(0)) << QByteArray("0\r\n");
    QTest::newRow("true") << QVariant(true) << QByteArray("#TRUE#\r\n");
    QTest::newRow("false") << QVariant(false) << QByteArray("#FALSE#\r\n");
}

void TestItemFile::writerWritesBytes()
{
    QFETCH(QVariant, item);
    QFETCH(QByteArray, bytes);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ItemWriter writer(buffer);
    switch (item.typeId()) {
    case QMetaType::QString:
        writer.writeText(item.toString());
        break;
    case QMetaType::LongLong:
        writer.writeNumber(item.toLongLong());
        break;
    default:
        writer.writeBool(item.toBool());
        break;
    }
    QVERIFY(writer.ok());
    QCOMPARE(buffer.data(), bytes);
}

void TestItemFile::writtenTextReadsBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");

    QString upperHalf;
    for (int code = 0xa0; code <= 0xff; ++code) {
        upperHalf.append(QChar(code));
    }
    upperHalf += QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");

    QTest::newRow("plain") << "Player"
                           << "Player";
    QTest::newRow("commas") << "a, b, c"
                            << "a, b, c";
    QTest::newRow("blanks around") << "  x  "
                                   << "  x  ";
    QTest::newRow("looks like a boolean") << "#TRUE#"
                                          << "#TRUE#";
    QTest::newRow("double quotes") << "Pepe \"el\", Jr"
                                   << "Pepe 'el', Jr";
    QTest::newRow("line break") << "a\r\nb"
                                << "a\r\nb";
    QTest::newRow("every Windows-1252 letter") << upperHalf << upperHalf;
    QTest::newRow("outside Windows-1252") << QStringLiteral("Ωmega") << "?mega";
}

// The number written after the text must come back too: a text that broke out of its quotes
// would shift every later item.
void TestItemFile::writtenTextReadsBack()
{
    QFETCH(QString, text);
    QFETCH(QString, readBack);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ItemWriter writer(buffer);
    writer.writeText(text);
    writer.writeNumber(7);
    QVERIFY(writer.ok());

    buffer.seek(0);
    ItemReader reader(buffer);
    QCOMPARE(reader.readText(), readBack);
    QCOMPARE(reader.readInt32(), 7);
    QVERIFY_THROWS_EXCEPTION(ItemFileError, reader.readText());
}

void TestItemFile::writerStopsAtFirstFailedWrite()
{
    FullDevice device(20);
    ItemWriter writer(device);
    writer.writeText(QStringLiteral("Player"));
    QVERIFY(writer.ok());
    writer.writeText(QStringLiteral("a name too long to fit"));
    QVERIFY(!writer.ok());
    writer.writeNumber(7); // would fit, but must not follow the missing item
    QVERIFY(!writer.ok());
    QCOMPARE(device.written(), QByteArray("\"Player\"\r\n"));
}

void TestItemFile::writerRefusesReadOnlyDevice()
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadOnly);
    ItemWriter writer(buffer);
    writer.writeBool(true);
    QVERIFY(!writer.ok());
    QCOMPARE(buffer.data(), QByteArray());
}

ZELBO_TEST_GUILESS_MAIN(TestItemFile)
#include "tst_itemfile.moc"
