// SPDX-License-Identifier: GPL-3.0-or-later

#include "colorvalue.h"
#include "programadepruebas.h"

#include <QTest>
#include <limits>

namespace {
// &H800000nn, system colour nn.
constexpr qint32 sistema(int n)
{
    return std::numeric_limits<qint32>::min() + n;
}
} // namespace

class TestColorValue : public QObject
{
    Q_OBJECT

private slots:
    void plainValues_data();
    void plainValues();
    void systemColoursFollowThePalette_data();
    void systemColoursFollowThePalette();
    void unknownSystemColourIsTheWindowColour();
};

void TestColorValue::plainValues_data()
{
    QTest::addColumn<qint32>("valor");
    QTest::addColumn<QColor>("color");
    QTest::newRow("red is the low byte") << qint32 { 0x000000FF } << QColor(255, 0, 0);
    QTest::newRow("green") << qint32 { 0x0000FF00 } << QColor(0, 255, 0);
    QTest::newRow("blue is the third byte") << qint32 { 0x00FF0000 } << QColor(0, 0, 255);
    QTest::newRow("mixed") << qint32 { 0x00123456 } << QColor(0x56, 0x34, 0x12);
    QTest::newRow("light grey") << qint32 { 0x00E0E0E0 } << QColor(0xE0, 0xE0, 0xE0);
    QTest::newRow("black") << qint32 { 0 } << QColor(0, 0, 0);
    QTest::newRow("white") << qint32 { 0x00FFFFFF } << QColor(255, 255, 255);
}

void TestColorValue::plainValues()
{
    QFETCH(qint32, valor);
    QFETCH(QColor, color);
    QCOMPARE(ColorValue::toQColor(valor, QPalette()), color);
    QCOMPARE(ColorValue::fromQColor(color), valor);
}

void TestColorValue::systemColoursFollowThePalette_data()
{
    QTest::addColumn<qint32>("valor");
    QTest::addColumn<int>("rol");
    QTest::newRow("button face") << sistema(15) << static_cast<int>(QPalette::Button);
    QTest::newRow("window") << sistema(5) << static_cast<int>(QPalette::Base);
    QTest::newRow("window text") << sistema(8) << static_cast<int>(QPalette::Text);
    QTest::newRow("highlight") << sistema(13) << static_cast<int>(QPalette::Highlight);
    QTest::newRow("button text") << sistema(18) << static_cast<int>(QPalette::ButtonText);
}

void TestColorValue::systemColoursFollowThePalette()
{
    QFETCH(qint32, valor);
    QFETCH(int, rol);
    QVERIFY(ColorValue::esColorDeSistema(valor));
    // Every role its own colour, so a wrong role cannot pass by chance.
    QPalette paleta;
    for (int r = 0; r < QPalette::NColorRoles; ++r)
        paleta.setColor(static_cast<QPalette::ColorRole>(r), QColor(r * 9, 255 - r * 9, 100));
    const auto role = static_cast<QPalette::ColorRole>(rol);
    QCOMPARE(ColorValue::toQColor(valor, paleta), paleta.color(QPalette::Active, role));
}

void TestColorValue::unknownSystemColourIsTheWindowColour()
{
    QPalette paleta;
    paleta.setColor(QPalette::Window, QColor(1, 2, 3));
    QCOMPARE(ColorValue::toQColor(sistema(99), paleta), QColor(1, 2, 3));
    QCOMPARE(ColorValue::toQColor(-1, paleta), QColor(1, 2, 3));
}

ZELBO_TEST_MAIN(TestColorValue)
#include "tst_colorvalue.moc"
