// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpwindow.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsThePageBesideTheProgram();
    void cardPicturesResolveFromTheProgramFolder();
    void missingPageLeavesTheWindowEmpty();
    void shippedHelpLinksLeadToItsSections();
    void shippedHelpShowsOnlyCardsTheBuildDraws();

private:
    static QString leer(const QString &ruta);
    static void escribir(const QString &ruta, const QByteArray &contenido);
};

QString TestHelpWindow::leer(const QString &ruta)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(fichero.readAll());
}

void TestHelpWindow::escribir(const QString &ruta, const QByteArray &contenido)
{
    QFile fichero(ruta);
    QVERIFY(fichero.open(QIODevice::WriteOnly));
    fichero.write(contenido);
}

void TestHelpWindow::showsThePageBesideTheProgram()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    escribir(HelpWindow::rutaAyuda(dir.path()),
             "<html><body><h1>C\xc3\xb3mo se juega</h1><p>Levantar</p></body></html>");
    HelpWindow ayuda(dir.path());
    QCOMPARE(ayuda.windowTitle(), QStringLiteral("Ayuda de Zelbo"));
    QVERIFY(ayuda.isWindow());
    QVERIFY(ayuda.toPlainText().contains(QStringLiteral("Cómo se juega")));
}

void TestHelpWindow::cardPicturesResolveFromTheProgramFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("naipes")));
    QImage carta(20, 30, QImage::Format_RGB32);
    carta.fill(Qt::yellow);
    QVERIFY(carta.save(dir.filePath(QStringLiteral("naipes/oros01.jpg")), "JPG"));
    escribir(HelpWindow::rutaAyuda(dir.path()),
             "<html><body><img src=\"naipes/oros01.jpg\" width=\"60\"></body></html>");

    HelpWindow ayuda(dir.path());
    const QVariant recurso = ayuda.loadResource(QTextDocument::ImageResource,
                                                QUrl(QStringLiteral("naipes/oros01.jpg")));
    QImage cargada;
    QVERIFY(cargada.loadFromData(recurso.toByteArray()));
    QCOMPARE(cargada.size(), QSize(20, 30));
}

void TestHelpWindow::missingPageLeavesTheWindowEmpty()
{
    // The viewer must not complain about the page on the console either.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QTextBrowser|No document")));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    HelpWindow ayuda(dir.path());
    ayuda.mostrar();
    QVERIFY(QTest::qWaitForWindowExposed(&ayuda));
    QVERIFY(ayuda.toPlainText().isEmpty());
    QVERIFY(ayuda.isVisible());
}

void TestHelpWindow::shippedHelpLinksLeadToItsSections()
{
    const QString html = leer(rutaDePrueba("ZELBO_AYUDA_HTML"));
    QVERIFY(!html.isEmpty());
    QSet<QString> anclas;
    static const QRegularExpression ancla(QStringLiteral("(?:name|id)=\"([^\"]+)\""));
    for (const QRegularExpressionMatch &m : ancla.globalMatch(html))
        anclas.insert(m.captured(1));

    static const QRegularExpression enlace(QStringLiteral("href=\"#([^\"]+)\""));
    int enlaces = 0;
    for (const QRegularExpressionMatch &m : enlace.globalMatch(html)) {
        ++enlaces;
        QVERIFY2(anclas.contains(m.captured(1)), qPrintable(m.captured(1)));
    }
    QVERIFY(enlaces >= 8); // the contents at the top
}

void TestHelpWindow::shippedHelpShowsOnlyCardsTheBuildDraws()
{
    const QString html = leer(rutaDePrueba("ZELBO_AYUDA_HTML"));
    const QString mazo = leer(rutaDePrueba("ZELBO_NAIPE40_SQL"));
    QVERIFY(!mazo.isEmpty());
    QSet<QString> cartas;
    static const QRegularExpression imagen(QStringLiteral("'(naipes/[a-z]+[0-9]+\\.jpg)'"));
    for (const QRegularExpressionMatch &m : imagen.globalMatch(mazo))
        cartas.insert(m.captured(1));
    QCOMPARE(cartas.size(), 40);

    static const QRegularExpression src(QStringLiteral("src=\"([^\"]+)\""));
    int dibujos = 0;
    for (const QRegularExpressionMatch &m : src.globalMatch(html)) {
        // The pictures of the running game are taken at build time; tst_docs_ayuda finds them.
        if (m.captured(1).startsWith(QStringLiteral("ayuda/")))
            continue;
        ++dibujos;
        QVERIFY2(cartas.contains(m.captured(1)), qPrintable(m.captured(1)));
    }
    QVERIFY(dibujos > 0);
}

ZELBO_TEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
