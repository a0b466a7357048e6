// SPDX-License-Identifier: GPL-3.0-or-later

#include "winnerdialogfrm.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestWinnerDialogFrm : public QObject
{
    Q_OBJECT

private slots:
    void resultFillsTheThreeLabels();
    void dialogoWaitsUntilClosed();
    void longNameStaysInsideTheWindow();
    void backgroundMustLoad_data();
    void backgroundMustLoad();
    void backgroundPictureIsPainted();

private:
    static QString texto(const WinnerDialogFrm &ventana, const char *nombre);
};

QString TestWinnerDialogFrm::texto(const WinnerDialogFrm &ventana, const char *nombre)
{
    const auto *label = ventana.findChild<QLabel *>(QLatin1String(nombre));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(nombre));
}

void TestWinnerDialogFrm::resultFillsTheThreeLabels()
{
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"));
    QCOMPARE(ventana.windowTitle(), QStringLiteral("Resultados"));
    ventana.mostrarResultado(QStringLiteral("Bruno"), 3, 1);
    QCOMPARE(texto(ventana, "Label1"), QStringLiteral("Ganador Bruno"));
    QCOMPARE(texto(ventana, "Label2"), QStringLiteral("3"));
    QCOMPARE(texto(ventana, "Label3"), QStringLiteral("1"));

    // The same window shows the next game's result, nothing of the last.
    ventana.mostrarResultado(QStringLiteral("Cpu"), 3, 0);
    QCOMPARE(texto(ventana, "Label1"), QStringLiteral("Ganador Cpu"));
    QCOMPARE(texto(ventana, "Label3"), QStringLiteral("0"));
}

void TestWinnerDialogFrm::dialogoWaitsUntilClosed()
{
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"));
    bool mostrada = false;
    QString nombreMostrado;
    QTimer::singleShot(0, &ventana, [&] {
        mostrada = ventana.isVisible() && ventana.isModal();
        nombreMostrado = texto(ventana, "Label1");
        // A player leaves with the close box or Esc; no button exists.
        QVERIFY(ventana.findChildren<QAbstractButton *>().isEmpty());
        QTest::keyClick(&ventana, Qt::Key_Escape);
    });
    ventana.Dialogo(QStringLiteral("Ana"), 3, 2);
    QVERIFY(mostrada);
    QCOMPARE(nombreMostrado, QStringLiteral("Ganador Ana"));
    QVERIFY(!ventana.isVisible());
    QCOMPARE(texto(ventana, "Label2"), QStringLiteral("3"));
    QCOMPARE(texto(ventana, "Label3"), QStringLiteral("2"));
}

void TestWinnerDialogFrm::longNameStaysInsideTheWindow()
{
    WinnerDialogFrm ventana(QStringLiteral("/nonexistent"));
    const QString nombre(60, QLatin1Char('W'));
    ventana.mostrarResultado(nombre, 3, 0);
    const auto *label = ventana.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label->geometry().right() < WinnerDialogFrm::kAncho);
    QVERIFY(label->text().startsWith(QStringLiteral("Ganador ")));
    QCOMPARE(label->toolTip(), QStringLiteral("Ganador ") + nombre);
}

void TestWinnerDialogFrm::backgroundMustLoad_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<bool>("carga");
    QImage imagen(40, 30, QImage::Format_RGB32);
    imagen.fill(Qt::darkCyan);
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        imagen.save(&buffer, "JPG");
    }
    QTest::newRow("picture") << jpeg << true;
    QTest::newRow("damaged") << jpeg.left(jpeg.size() / 3) << false;
    QTest::newRow("not a picture") << QByteArray("Zelbo") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void TestWinnerDialogFrm::backgroundMustLoad()
{
    QFETCH(QByteArray, contenido);
    QFETCH(bool, carga);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!contenido.isEmpty()) {
        QFile fichero(WinnerDialogFrm::rutaFondo(dir.path()));
        QVERIFY(fichero.open(QIODevice::WriteOnly));
        fichero.write(contenido);
    }
    QCOMPARE(WinnerDialogFrm::puedeCargar(dir.path()), carga);
}

void TestWinnerDialogFrm::backgroundPictureIsPainted()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage fondo(100, 60, QImage::Format_RGB32);
    fondo.fill(QColor(0, 200, 0));
    QVERIFY(fondo.save(WinnerDialogFrm::rutaFondo(dir.path()), "PNG"));

    WinnerDialogFrm ventana(dir.path());
    ventana.mostrarResultado(QStringLiteral("Ana"), 3, 1);
    const QImage pantalla = ventana.grab().toImage();
    // Bottom left corner: no label or box there, only the picture.
    QCOMPARE(QColor(pantalla.pixel(5, pantalla.height() - 5)), QColor(0, 200, 0));
}

QTEST_MAIN(TestWinnerDialogFrm)
#include "tst_winnerdialogfrm.moc"
