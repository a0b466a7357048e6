// SPDX-License-Identifier: GPL-3.0-or-later

// Our Windows-1252 table against Qt's ICU-backed codec, which wrote every file the game
// wrote before: the same text from every byte, the same bytes from every character.

#include "programadepruebas.h"
#include "windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyByteDecodesAsIcuDecodesIt();
    void everyCharacterEncodesAsIcuEncodesIt();
    void loneSurrogatesAreOneSubstituteEach_data();
    void loneSurrogatesAreOneSubstituteEach();

private:
    QStringDecoder m_icuDecoder { "windows-1252" };
    QStringEncoder m_icuEncoder { "windows-1252" };
};

void TestWindows1252::initTestCase()
{
    QVERIFY(m_icuDecoder.isValid());
    QVERIFY(m_icuEncoder.isValid());
}

void TestWindows1252::everyByteDecodesAsIcuDecodesIt()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString ours = Windows1252::decode(all);
    QCOMPARE(ours, m_icuDecoder.decode(all));
    QCOMPARE(ours.size(), 256);
}

// A character at a time, between two letters, so that one left out shows as well as one
// written wrong; then the whole plane and the supplementary planes in one text each.
void TestWindows1252::everyCharacterEncodesAsIcuEncodesIt()
{
    QString basicPlane;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text = QStringLiteral("a") + QChar(char16_t(c)) + QStringLiteral("b");
        const QByteArray ours = Windows1252::encode(text);
        if (ours != QByteArray(m_icuEncoder.encode(text)))
            QFAIL(qPrintable(QStringLiteral("U+%1 is written differently").arg(uint(c), 4, 16)));
        basicPlane.append(QChar(char16_t(c)));
    }
    QCOMPARE(Windows1252::encode(basicPlane), QByteArray(m_icuEncoder.encode(basicPlane)));
    QString otherPlanes;
    for (char32_t c = 0x10000; c <= 0x10FFFF; c += 7)
        otherPlanes.append(QString::fromUcs4(&c, 1));
    for (const char32_t c : { U'\U0001BCA0', U'\U0001D17A', U'\U000E0001', U'\U000E0FFF' })
        otherPlanes.append(QString::fromUcs4(&c, 1));
    QCOMPARE(Windows1252::encode(otherPlanes), QByteArray(m_icuEncoder.encode(otherPlanes)));
}

// Text typed into the game never holds a lone surrogate, but a damaged one could: each is
// one substitute. ICU agrees but for two cases, where it drops a high surrogate at the end and
// writes three substitutes for a lone high surrogate before a pair.
void TestWindows1252::loneSurrogatesAreOneSubstituteEach_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("asIcu");
    const QChar high(char16_t(0xD83D));
    const QChar low(char16_t(0xDE00));
    const QString a = QStringLiteral("a");
    const QString b = QStringLiteral("b");
    QTest::newRow("pair") << a + high + low + b
                          << QByteArray("a\x1a"
                                        "b")
                          << true;
    QTest::newRow("high alone") << a + high + b
                                << QByteArray("a\x1a"
                                              "b")
                                << true;
    QTest::newRow("low alone") << a + low + b
                               << QByteArray("a\x1a"
                                             "b")
                               << true;
    QTest::newRow("high at the end") << a + high << QByteArray("a\x1a") << false;
    QTest::newRow("high before a pair")
        << QString(high) + high + low << QByteArray("\x1a\x1a") << false;
}

void TestWindows1252::loneSurrogatesAreOneSubstituteEach()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, asIcu);
    QCOMPARE(Windows1252::encode(text), bytes);
    QCOMPARE(QByteArray(m_icuEncoder.encode(text)) == bytes, asIcu);
}

ZELBO_TEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
