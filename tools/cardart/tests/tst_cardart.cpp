// SPDX-License-Identifier: GPL-3.0-or-later

#include "artwriter.h"
#include "cardblank.h"
#include "cardfacepainter.h"
#include "cardgeometry.h"
#include "cardstyles.h"
#include "emblempainter.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"
#include "suitstyle.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <utility>

Q_DECLARE_METATYPE(Palo)

class TstCardArt : public QObject
{
    Q_OBJECT

private slots:
    void everyCardTheDatabaseNamesIsDrawn_data();
    void everyCardTheDatabaseNamesIsDrawn();
    void englishFiguresAreNotTheSpanishOnes_data();
    void englishFiguresAreNotTheSpanishOnes();
    void backBackgroundsAndIconsHaveTheirSizes_data();
    void backBackgroundsAndIconsHaveTheirSizes();
    void frameBreaksTellTheSuit_data();
    void frameBreaksTellTheSuit();
    void nothingTouchesTheFrame_data();
    void nothingTouchesTheFrame();
    void bottomNumberIsTheTopOneTurnedRound();

private:
    static QImage face(Palo palo, int numero);
    static bool isFace(QRgb pixel);
    static int gapsAlong(const QImage &image, int x);
    void writeArt();

    QTemporaryDir m_dir;
    bool m_written = false;
};

QImage TstCardArt::face(Palo palo, int numero)
{
    const EmblemPainter emblems;
    const CardFacePainter faces(emblems);
    QImage image(CardGeometry::size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    faces.paint(painter, palo, numero);
    return image;
}

bool TstCardArt::isFace(QRgb pixel)
{
    const QColor face = CardBlank::faceColour;
    return std::abs(qRed(pixel) - face.red()) < 12 && std::abs(qGreen(pixel) - face.green()) < 12
        && std::abs(qBlue(pixel) - face.blue()) < 12;
}

// Counts the runs of bare face along one column of the frame line, between its rounded
// corners.
int TstCardArt::gapsAlong(const QImage &image, int x)
{
    const int top = int(CardGeometry::frame.top() + CardGeometry::frameRadius) + 2;
    const int bottom = int(CardGeometry::frame.bottom() - CardGeometry::frameRadius) - 2;
    int gaps = 0;
    bool inGap = false;
    for (int y = top; y <= bottom; ++y) {
        const bool bare = isFace(image.pixel(x, y));
        if (bare && !inGap)
            ++gaps;
        inGap = bare;
    }
    return gaps;
}

void TstCardArt::writeArt()
{
    if (m_written)
        return;
    QVERIFY(m_dir.isValid());
    ArtWriter(m_dir.path()).writeAll();
    m_written = true;
}

// The game finds its faces through the names in the card database; a name drawn under a
// different spelling would leave a hole in the deck.
void TstCardArt::everyCardTheDatabaseNamesIsDrawn_data()
{
    QTest::addColumn<QString>("folder");
    for (FaceStyle style : CardStyles::faces)
        QTest::newRow(qPrintable(CardStyles::folder(style))) << CardStyles::folder(style);
}

// Every style's folder holds the card database's names.
void TstCardArt::everyCardTheDatabaseNamesIsDrawn()
{
    QFETCH(QString, folder);
    writeArt();
    QFile source(rutaDePrueba("ZELBO_CARD_DATABASE_SOURCE"));
    QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString sql = QString::fromUtf8(source.readAll());
    static const QRegularExpression name(QStringLiteral("'(naipes/[a-z]+[0-9]+\\.jpg)'"));
    int count = 0;
    for (const QRegularExpressionMatch &match : name.globalMatch(sql)) {
        const QString file = match.captured(1).replace(QStringLiteral("naipes/"), folder + '/');
        const QImage image(m_dir.filePath(file));
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(image.size(), ArtWriter::cardSize);
        ++count;
    }
    QCOMPARE(count, 40);
}

void TstCardArt::englishFiguresAreNotTheSpanishOnes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Sota") << "copas10.jpg";
    QTest::newRow("Caballo") << "espadas11.jpg";
    QTest::newRow("Rey") << "bastos12.jpg";
}

// The English game reads its modern figures from their own folder: there they carry other
// words than the Spanish ones.
void TstCardArt::englishFiguresAreNotTheSpanishOnes()
{
    QFETCH(QString, name);
    writeArt();
    const QImage spanish(m_dir.filePath(CardStyles::folder(FaceStyle::Modern) + '/' + name));
    const QImage english(m_dir.filePath(CardStyles::folder(FaceStyle::ModernEnglish) + '/' + name));
    QVERIFY(!spanish.isNull() && !english.isNull());
    QVERIFY(spanish != english);
}

void TstCardArt::backBackgroundsAndIconsHaveTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("back") << "dibujo.jpg" << ArtWriter::cardSize << false;
    QTest::newRow("blue back") << "reversos/azul.jpg" << ArtWriter::cardSize << false;
    QTest::newRow("green back") << "reversos/verde.jpg" << ArtWriter::cardSize << false;
    QTest::newRow("board") << "zelbofond.jpg" << ArtWriter::clothSize << false;
    QTest::newRow("results") << "winfond.jpg" << QSize(407, 250) << false;
    QTest::newRow("new game") << "icons/nuevo.svg" << QSize(192, 192) << true;
    QTest::newRow("run") << "icons/run.svg" << QSize(192, 192) << true;
    QTest::newRow("quit") << "icons/salir.svg" << QSize(192, 192) << true;
    QTest::newRow("program") << "icons/zelbo.png" << QSize(256, 256) << true;
    QTest::newRow("about") << "icons/zelbo48.png" << QSize(48, 48) << true;
}

// Icons sit on the toolbar and in the window title: their corners must be see-through.
// The toolbar's are vectors, read at the size of the largest toolbar on a 4K screen.
void TstCardArt::backBackgroundsAndIconsHaveTheirSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);
    writeArt();
    QImageReader reader(m_dir.filePath(name));
    if (name.endsWith(QLatin1String(".svg")))
        reader.setScaledSize(size);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    if (transparent)
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void TstCardArt::frameBreaksTellTheSuit_data()
{
    QTest::addColumn<Palo>("palo");
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("breaks");
    const std::pair<Palo, int> suits[]
        = { { Palo::Oros, 0 }, { Palo::Copas, 1 }, { Palo::Espadas, 2 }, { Palo::Bastos, 3 } };
    for (const auto &[palo, breaks] : suits) {
        for (int numero : { 4, 11 }) {
            QTest::addRow("%s %d", qPrintable(SuitStyle::name(palo)), numero)
                << palo << numero << breaks;
        }
    }
}

// Fanned in the hand, only the edge of a card shows: the breaks near each corner name the
// suit (oros none, copas one, espadas two, bastos three).
void TstCardArt::frameBreaksTellTheSuit()
{
    QFETCH(Palo, palo);
    QFETCH(int, numero);
    QFETCH(int, breaks);
    const QImage image = face(palo, numero);
    const int left = int(CardGeometry::frame.left());
    const int right = int(CardGeometry::frame.right()) - 1;
    QCOMPARE(gapsAlong(image, left), 2 * breaks);
    QCOMPARE(gapsAlong(image, right), 2 * breaks);
}

void TstCardArt::nothingTouchesTheFrame_data()
{
    QTest::addColumn<Palo>("palo");
    QTest::addColumn<int>("numero");
    for (Palo palo : SuitStyle::all) {
        for (int numero : { 1, 2, 3, 4, 5, 6, 7, 10, 11, 12 })
            QTest::addRow("%s %d", qPrintable(SuitStyle::name(palo)), numero) << palo << numero;
    }
}

// Between the frame line and the drawing inside it runs a strip of bare face all round.
void TstCardArt::nothingTouchesTheFrame()
{
    QFETCH(Palo, palo);
    QFETCH(int, numero);
    const QImage image = face(palo, numero);
    const int inner = int(CardGeometry::frame.left() + CardGeometry::frameWidth / 2) + 1;
    const int clear = int(CardGeometry::clearArea.left());
    const int w = image.width();
    const int h = image.height();
    for (int d = inner; d < clear; ++d) {
        for (int y = 20; y < h - 20; ++y) {
            QVERIFY2(isFace(image.pixel(d, y)),
                     qPrintable(QStringLiteral("left %1,%2").arg(d).arg(y)));
            QVERIFY2(isFace(image.pixel(w - 1 - d, y)), "right side");
        }
        for (int x = 20; x < w - 20; ++x) {
            QVERIFY2(isFace(image.pixel(x, d)),
                     qPrintable(QStringLiteral("top %1,%2").arg(x).arg(d)));
            QVERIFY2(isFace(image.pixel(x, h - 1 - d)), "bottom side");
        }
    }
}

// A card held upside down must still show its number, the right way up, in the corner.
void TstCardArt::bottomNumberIsTheTopOneTurnedRound()
{
    const QImage image = face(Palo::Copas, 12);
    const QRect top = CardGeometry::numberBox.toAlignedRect();
    const QImage turned = image.transformed(QTransform().rotate(180));
    int ink = 0;
    int mismatched = 0;
    for (int y = top.top(); y <= top.bottom(); ++y) {
        for (int x = top.left(); x <= top.right(); ++x) {
            const bool inkHere = !isFace(image.pixel(x, y));
            ink += inkHere ? 1 : 0;
            mismatched += inkHere != !isFace(turned.pixel(x, y)) ? 1 : 0;
        }
    }
    QVERIFY(ink > 100);
    QVERIFY2(mismatched < ink / 20, qPrintable(QString::number(mismatched)));
}

ZELBO_TEST_MAIN(TstCardArt)
#include "tst_cardart.moc"
