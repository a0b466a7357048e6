// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "disposicionclasica.h"
#include "cardpicture.h"
#include "picturecache.h"
#include "programadepruebas.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Naipes;

namespace {

bool escribir(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The colour at the middle of what the control paints.
QColor centro(QWidget *control)
{
    const QImage imagen = control->grab().toImage();
    return imagen.pixelColor(imagen.rect().center());
}

// How many colours a picture holds: one for an empty place.
int colores(const QImage &imagen)
{
    QSet<QRgb> vistos;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x)
            vistos.insert(imagen.pixel(x, y));
    }
    return static_cast<int>(vistos.size());
}

bool parecido(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24
        && qAbs(a.blue() - b.blue()) < 24;
}

} // namespace

class TstBoardPictures : public QObject
{
    Q_OBJECT

private slots:
    void cacheStaysWithinItsBoundAcrossSizes();
    void failedPictureIsTriedAgainOnlyWhenAsked();
    void unreadablePictureIsLoggedWithItsReason();
    void repairedCardPictureShowsAtTheNextNewGame();
    void unreadableCardPicturesAreToldOnceAndDrawnByTheGame();
};

// Every window size adds a set of pictures; the oldest go, the shown ones stay right.
void TstBoardPictures::cacheStaysWithinItsBoundAcrossSizes()
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("carta.jpg"));
    QImage original(QSize(160, 240), QImage::Format_RGB32);
    original.fill(Qt::red);
    QVERIFY(original.save(ruta, "JPG"));
    const qsizetype limite = 200 * 300 * 4 * 3;
    PictureCache cache(limite);
    for (int ancho = 20; ancho <= 200; ancho += 2) {
        const QSize tamano(ancho, ancho * 3 / 2);
        const QPixmap imagen = cache.imagen(ruta, tamano);
        QCOMPARE(imagen.size(), tamano);
        QVERIFY2(cache.bytes() <= limite, qPrintable(QString::number(cache.bytes())));
    }
    QVERIFY(cache.bytes() > limite / 2); // it does keep pictures
    QVERIFY(!cache.imagen(ruta, QSize(30, 45)).isNull()); // a dropped one comes back
}

void TstBoardPictures::failedPictureIsTriedAgainOnlyWhenAsked()
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("dibujo.jpg"));
    QVERIFY(escribir(ruta, QByteArray("\xff\xd8\xff\xe0 no es una imagen", 22)));
    PictureCache cache;
    QVERIFY(cache.imagen(ruta, QSize(80, 120)).isNull());
    QImage buena(QSize(80, 120), QImage::Format_RGB32);
    buena.fill(Qt::blue);
    QVERIFY(buena.save(ruta, "JPG"));
    // Within a game a failed file is not decoded again at every repaint...
    QVERIFY(cache.imagen(ruta, QSize(80, 120)).isNull());
    cache.olvidarFallidas();
    // ...but it is once the failures were forgotten.
    QVERIFY(!cache.imagen(ruta, QSize(80, 120)).isNull());
}

// The player is told that a picture could not be read; a maintainer finds why in the log.
void TstBoardPictures::unreadablePictureIsLoggedWithItsReason()
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("reverso.jpg"));
    QVERIFY(escribir(ruta, QByteArray("\xff\xd8\xff\xe0 no es una imagen", 22)));
    const QString motivo = QStringLiteral("^%1: \\S.+$").arg(QRegularExpression::escape(ruta));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(motivo));
    QVERIFY(!PictureCache::legible(ruta));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(motivo));
    QVERIFY(QFile::remove(ruta));
    QVERIFY(!PictureCache::legible(ruta));

    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QImage buena(QSize(80, 120), QImage::Format_RGB32);
    buena.fill(Qt::blue);
    QVERIFY(buena.save(ruta, "JPG"));
    QVERIFY(PictureCache::legible(ruta));
}

// A card face that could not be read at start shows once the file is back and
// a new game is started, without a restart.
void TstBoardPictures::repairedCardPictureShowsAtTheNextNewGame()
{
    BoardFixture f(3);
    QList<QByteArray> buenas;
    for (int n = 1; n <= 40; ++n) {
        buenas.append(leer(f.rutaCarta(n)));
        QVERIFY(escribir(f.rutaCarta(n), QByteArray("roto")));
    }
    QVERIFY(f.iniciar());
    CardPicture *lugar = f.clasica().mesaimg()[0];
    const int carta = f.estado().lamesa.at(0);
    const QColor color = QColor::fromHsv((carta - 1) / 10 * 90, 200, 200);
    // Meanwhile the card shows as the game draws it.
    const QImage dibujada = lugar->grab().toImage();

    for (int n = 1; n <= 40; ++n)
        QVERIFY(escribir(f.rutaCarta(n), buenas.at(n - 1)));
    f.ventana().juego().ordenar(OrdenDelJuego::Nuevo);
    // The same card in the same place as before.
    Posicion p;
    p.mesa = { carta };
    const QList<int> otras
        = carta <= 10 ? QList<int> { 21, 22, 31, 32 } : QList<int> { 1, 2, 3, 4 };
    p.humano = { otras[0], otras[1] };
    p.cpu = { otras[2], otras[3] };
    p.tamPilaCpu = 2;
    p.tamPilaHumano = 3; // ten cards dealt
    QVERIFY(f.cargar(p));
    QCOMPARE(lugar->ruta(), f.rutaCarta(carta));
    QVERIFY(parecido(centro(lugar), color));
    QVERIFY(lugar->grab().toImage() != dibujada);
}

// Seven card pictures gone and one that is not an image: the player reads which,
// once, and the cards show all the same, each as itself.
void TstBoardPictures::unreadableCardPicturesAreToldOnceAndDrawnByTheGame()
{
    BoardFixture f(3);
    for (int n = 1; n <= 7; ++n)
        QVERIFY(QFile::remove(f.rutaCarta(n)));
    QVERIFY(escribir(f.rutaCarta(12), QByteArray("no es una imagen")));
    QVERIFY(f.iniciar());
    f.ventana().juego().ordenar(OrdenDelJuego::Nuevo);
    const QString aviso = QStringLiteral(
        "Faltan o están dañadas las imágenes de estas cartas: naipes/oros01.jpg, "
        "naipes/oros02.jpg, naipes/oros03.jpg, naipes/oros04.jpg, naipes/oros05.jpg y 3 más. "
        "El juego las dibuja por su cuenta.");
    QTRY_COMPARE(f.dialogos().textos().count(aviso), 1);
    const int i = static_cast<int>(f.dialogos().textos().indexOf(aviso));
    QVERIFY(f.dialogos().mensajes().at(i).esAviso(aviso, DialogService::Icono::Critico));

    Posicion p;
    p.mesa = { 1, 12 };
    p.humano = { 21, 22 };
    p.cpu = { 31, 32 };
    p.tamPilaCpu = 2;
    p.tamPilaHumano = 2;
    QVERIFY(f.cargar(p));
    const QImage oro = f.clasica().mesaimg()[0]->grab().toImage();
    const QImage copa = f.clasica().mesaimg()[1]->grab().toImage();
    QVERIFY2(colores(oro) > 50, qPrintable(QString::number(colores(oro))));
    QVERIFY2(colores(copa) > 50, qPrintable(QString::number(colores(copa))));
    QVERIFY(oro != copa);
}

ZELBO_TEST_MAIN(TstBoardPictures)
#include "tst_board_pictures.moc"
