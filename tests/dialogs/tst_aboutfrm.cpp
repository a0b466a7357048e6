// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutfrm.h"
#include "programadepruebas.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class TestAboutFrm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void keysClose_data();
    void keysClose();
    void buttonCloses();
    void everyOpeningShowsTheSameTexts();
    void versionText_data();
    void versionText();
    void iconComesFromTheProgramFolder();
    void iconFallsBackToTheWindowIcon();

private:
    static QString texto(const Aboutfrm &ventana, const char *nombre);
    static QRgb centroDelIcono(const Aboutfrm &ventana);
};

void TestAboutFrm::initTestCase()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
}

QString TestAboutFrm::texto(const Aboutfrm &ventana, const char *nombre)
{
    const auto *label = ventana.findChild<QLabel *>(QLatin1String(nombre));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(nombre));
}

QRgb TestAboutFrm::centroDelIcono(const Aboutfrm &ventana)
{
    const auto *icono = ventana.findChild<QLabel *>(QStringLiteral("picIcon"));
    const QPixmap pixmap = icono->pixmap();
    if (pixmap.size() != QSize(48, 48))
        return 0;
    return pixmap.toImage().pixel(24, 24);
}

void TestAboutFrm::keysClose_data()
{
    QTest::addColumn<int>("tecla");
    QTest::newRow("Enter") << static_cast<int>(Qt::Key_Return);
    QTest::newRow("keypad Enter") << static_cast<int>(Qt::Key_Enter);
    QTest::newRow("Esc") << static_cast<int>(Qt::Key_Escape);
}

void TestAboutFrm::keysClose()
{
    QFETCH(int, tecla);
    Aboutfrm ventana(QStringLiteral("/nonexistent"));
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    QTest::keyClick(&ventana, static_cast<Qt::Key>(tecla));
    QVERIFY(!ventana.isVisible());
}

void TestAboutFrm::buttonCloses()
{
    Aboutfrm ventana(QStringLiteral("/nonexistent"));
    ventana.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ventana));
    auto *boton = ventana.findChild<QWidget *>(QStringLiteral("cmdOK"));
    QVERIFY(boton);
    QTest::mouseClick(boton, Qt::LeftButton);
    QVERIFY(!ventana.isVisible());
    QCOMPARE(ventana.result(), static_cast<int>(QDialog::Accepted));
}

void TestAboutFrm::everyOpeningShowsTheSameTexts()
{
    for (int vez = 0; vez < 2; ++vez) {
        Aboutfrm ventana(QStringLiteral("/nonexistent"));
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        QCOMPARE(ventana.windowTitle(), QStringLiteral("Acerca de Zelbo"));
        QCOMPARE(texto(ventana, "lblTitle"), QStringLiteral("Zelbomar"));
        QCOMPARE(texto(ventana, "lblVersion"), QStringLiteral("Versión 1.0.0"));
        QVERIFY(!texto(ventana, "lblDisclaimer").isEmpty());
        QVERIFY(!texto(ventana, "Label1").isEmpty());
        QTest::keyClick(&ventana, Qt::Key_Escape);
    }
}

void TestAboutFrm::versionText_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("release") << QStringLiteral("1.0.0") << QStringLiteral("Versión 1.0.0");
    QTest::newRow("two numbers") << QStringLiteral("1.0") << QStringLiteral("Versión 1.0.0");
    QTest::newRow("no leading zeros")
        << QStringLiteral("2.013.4") << QStringLiteral("Versión 2.13.4");
    QTest::newRow("fourth number dropped")
        << QStringLiteral("3.2.1.9") << QStringLiteral("Versión 3.2.1");
    QTest::newRow("unset") << QString() << QStringLiteral("Versión 0.0.0");
}

void TestAboutFrm::versionText()
{
    QFETCH(QString, version);
    QFETCH(QString, esperado);
    QCOMPARE(Aboutfrm::textoVersion(version), esperado);
}

void TestAboutFrm::iconComesFromTheProgramFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("icons")));
    QImage rojo(48, 48, QImage::Format_RGB32);
    rojo.fill(Qt::red);
    QVERIFY(rojo.save(dir.filePath(QStringLiteral("icons/zelbo48.png"))));
    QApplication::setWindowIcon(QIcon());

    Aboutfrm ventana(dir.path());
    QCOMPARE(centroDelIcono(ventana), qRgb(255, 0, 0));
}

void TestAboutFrm::iconFallsBackToTheWindowIcon()
{
    QPixmap azul(64, 64);
    azul.fill(Qt::blue);
    QApplication::setWindowIcon(QIcon(azul));

    Aboutfrm ventana(QStringLiteral("/nonexistent"));
    QCOMPARE(centroDelIcono(ventana), qRgb(0, 0, 255));
    QApplication::setWindowIcon(QIcon());
}

ZELBO_TEST_MAIN(TestAboutFrm)
#include "tst_aboutfrm.moc"
