// SPDX-License-Identifier: GPL-3.0-or-later

// The board's shortcuts in painting must not change a pixel: copies made in
// strips, and a card's shadow painted only where the card leaves it seen.

#include "cardpicture.h"
#include "etiquetaguardada.h"
#include "picturecache.h"
#include "programadepruebas.h"
#include "sombradecarta.h"
#include "sombrasdemesa.h"
#include "tiras.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// Pixels of every colour and opacity, so any misplaced row or column shows.
QImage ruido(QSize tamano, quint32 semilla)
{
    QImage imagen(tamano, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator azar(semilla);
    for (int y = 0; y < imagen.height(); ++y) {
        auto *fila = reinterpret_cast<QRgb *>(imagen.scanLine(y));
        for (int x = 0; x < imagen.width(); ++x) {
            const QRgb c = azar.generate();
            fila[x] = qPremultiply(c);
        }
    }
    return imagen;
}

// A board-like background for a painting at the given pixel ratio.
QImage fondo(QSize tamano, qreal razon)
{
    QImage imagen
        = ruido(tamano * static_cast<int>(razon), 7).convertToFormat(QImage::Format_RGB32);
    imagen.setDevicePixelRatio(razon);
    return imagen;
}

// A table that keeps what it was asked to repaint.
class MesaPintada : public QWidget
{
public:
    QRegion pintada;

protected:
    void paintEvent(QPaintEvent *event) override { pintada += event->region(); }
};

} // namespace

class TstBoardPintado : public QObject
{
    Q_OBJECT

private slots:
    void stripsCopyWhatOneCopyWould_data();
    void stripsCopyWhatOneCopyWould();
    void shadowShowsAroundTheCardAsAWholeOne_data();
    void shadowShowsAroundTheCardAsAWholeOne();
    void keptLabelLooksAsAPlainOneThroughItsChanges();
    void aCardBackFromEnlargedLeavesNoShadowBehind();
};

void TstBoardPintado::stripsCopyWhatOneCopyWould_data()
{
    QTest::addColumn<qreal>("razon");
    QTest::addColumn<bool>("recortada");
    QTest::newRow("1x") << 1.0 << false;
    QTest::newRow("2x") << 2.0 << false;
    QTest::newRow("1x, a region of pieces") << 1.0 << true;
    QTest::newRow("2x, a region of pieces") << 2.0 << true;
    QTest::newRow("1.5x, in one piece") << 1.5 << false;
}

void TstBoardPintado::stripsCopyWhatOneCopyWould()
{
    QFETCH(qreal, razon);
    QFETCH(bool, recortada);
    QPixmap imagen = QPixmap::fromImage(ruido(QSize(420, 700), 3));
    imagen.setDevicePixelRatio(razon);
    // Several strips and a last short one, from inside the picture.
    const QRect destino(13, 21, 150, 233);
    const QRect fuente(QPoint(9, 17) * static_cast<int>(razon), destino.size() * razon);
    QRegion recorte(QRect(0, 0, 400, 400));
    if (recortada)
        recorte = QRegion(10, 10, 60, 300) + QRegion(100, 40, 90, 90) + QRegion(20, 200, 200, 30);
    QImage una = fondo(QSize(400, 400), razon);
    QImage tiras = una;
    {
        QPainter p(&una);
        p.setClipRegion(recorte);
        p.drawPixmap(destino, imagen, fuente);
    }
    {
        QPainter p(&tiras);
        p.setClipRegion(recorte);
        Tiras::dibujar(p, destino, imagen, fuente);
    }
    QCOMPARE(tiras, una);
}

void TstBoardPintado::shadowShowsAroundTheCardAsAWholeOne_data()
{
    QTest::addColumn<qreal>("razon");
    QTest::addColumn<QSize>("carta");
    QTest::newRow("1x, a table card") << 1.0 << QSize(163, 254);
    QTest::newRow("1x, a small card") << 1.0 << QSize(71, 109);
    QTest::newRow("2x, an enlarged card") << 2.0 << QSize(213, 304);
}

void TstBoardPintado::shadowShowsAroundTheCardAsAWholeOne()
{
    QFETCH(qreal, razon);
    QFETCH(QSize, carta);
    // The card as the board paints it: the cache's rounded and edged face.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ruta = dir.filePath(QStringLiteral("carta.jpg"));
    QVERIFY(ruido(QSize(300, 460), 5).convertToFormat(QImage::Format_RGB32).save(ruta));
    PictureCache cache;
    const QPixmap cara = cache.imagen(ruta, carta, razon);
    QVERIFY(!cara.isNull());
    const qreal caida = 9.5;
    const int m = SombraDeCarta::margen(caida);
    const QRect lugar(QPoint(40, 30), carta);
    const QSize lado = carta + QSize(120, 120);

    QImage entera = fondo(lado, razon);
    QImage recortada = entera;
    {
        QPainter p(&entera);
        p.drawPixmap(lugar.topLeft() - QPoint(m, m), SombraDeCarta::entera(carta, caida, razon));
        p.drawPixmap(lugar.topLeft(), cara);
    }
    {
        // Painted in two parts, as two paint events of the board would.
        SombraDeCarta sombra;
        QPainter p(&recortada);
        const QRegion todo(QRect(QPoint(0, 0), lado));
        const QRegion arriba(QRect(0, 0, lado.width(), lugar.center().y()));
        for (const QRegion &parte : { arriba, todo - arriba }) {
            p.setClipRegion(parte);
            sombra.pintar(p, lugar, caida, parte);
        }
        p.setClipping(false);
        p.drawPixmap(lugar.topLeft(), cara);
    }
    QCOMPARE(recortada, entera);
}

void TstBoardPintado::keptLabelLooksAsAPlainOneThroughItsChanges()
{
    QWidget tablero;
    tablero.resize(400, 300);
    EtiquetaGuardada guardada(QStringLiteral("Juega CPU"), &tablero);
    QLabel simple(QStringLiteral("Juega CPU"), &tablero);
    for (QLabel *e : { static_cast<QLabel *>(&guardada), &simple }) {
        e->setStyleSheet(QStringLiteral("background: #C0C0FF; border: 1px solid black;"
                                        " font-weight: bold; padding: 0 2px;"));
        e->setAlignment(Qt::AlignCenter);
        e->setWordWrap(true);
        e->setGeometry(10, 10, 160, 60);
    }
    tablero.show();
    const auto igual = [&] { return guardada.grab().toImage() == simple.grab().toImage(); };
    QVERIFY(igual());
    // Each change the board makes to a label shows at once.
    const QList<std::function<void(QLabel &)>> cambios {
        [](QLabel &e) { e.setText(QStringLiteral("Juega Ana, que tiene un nombre largo")); },
        [](QLabel &e) { e.resize(120, 90); },
        [](QLabel &e) {
            QFont fuente = e.font();
            fuente.setPointSizeF(fuente.pointSizeF() * 1.5);
            e.setFont(fuente);
        },
        [](QLabel &e) {
            e.setStyleSheet(QStringLiteral("background: white; font-style: italic;"));
        },
        [](QLabel &e) { e.setEnabled(false); },
    };
    for (qsizetype i = 0; i < cambios.size(); ++i) {
        const QImage antes = guardada.grab().toImage();
        cambios[i](guardada);
        cambios[i](simple);
        QVERIFY2(igual(), qPrintable(QString::number(i)));
        QVERIFY2(guardada.grab().toImage() != antes, qPrintable(QString::number(i)));
    }
}

// A card enlarged about its centre for a beat of the CPU, then put back: the table
// repaints the whole shadow of the enlarged card, its corners too, which neither the
// move nor the resize of the one change of geometry covers alone.
void TstBoardPintado::aCardBackFromEnlargedLeavesNoShadowBehind()
{
    MesaPintada mesa;
    mesa.resize(600, 500);
    SombrasDeMesa sombras(mesa);
    constexpr qreal kCaida = 3;
    sombras.setCaida(kCaida);
    PictureCache cache;
    const QRect enReposo(200, 150, 100, 150);
    auto *carta = new CardPicture(Imagen { GrupoImagen::mesaimg, 0 }, cache, &mesa);
    carta->setGeometry(enReposo);
    sombras.seguir(carta);
    mesa.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mesa));
    QRect grande(QPoint(), enReposo.size() * 4 / 3);
    grande.moveCenter(enReposo.center());
    carta->setGeometry(grande);
    QCoreApplication::processEvents();
    mesa.pintada = {};
    carta->setGeometry(enReposo);
    QTRY_VERIFY(!mesa.pintada.isEmpty());
    const int m = SombraDeCarta::margen(kCaida);
    const QRegion sinPintar = QRegion(grande.adjusted(-m, -m, m, m)) - mesa.pintada;
    QVERIFY2(sinPintar.isEmpty(),
             qPrintable(QStringLiteral("%1 sin pintar").arg(sinPintar.boundingRect().width())));
}

ZELBO_TEST_MAIN(TstBoardPintado)
#include "tst_board_pintado.moc"
