// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpwindow.h"
#include "paginadeayuda.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsThePageBesideTheProgram();
    void cardPicturesResolveFromTheProgramFolder();
    void missingPageLeavesTheWindowEmpty();
    void opensWithTheFocusOnATextReadByCaret();
    void linksAreReachedAndFollowedByKeys_data();
    void linksAreReachedAndFollowedByKeys();
    void shippedHelpLinksLeadToItsSections();
    void shippedHelpShowsOnlyCardsTheBuildDraws();

private:
    static QString leer(const QString &ruta);
    static void escribir(const QString &ruta, const QByteArray &contenido);
    static QByteArray paginaConIndice();
};

QByteArray TestHelpWindow::paginaConIndice()
{
    return "<html><body><h1>Ayuda</h1><p>Primera l\xc3\xadnea</p>"
           "<ol><li><a href=\"#reglas\">Las reglas</a></li>"
           "<li><a href=\"#baraja\">La <b>baraja</b></a></li></ol>"
           "<h2><a name=\"reglas\"></a>1. Las reglas del juego</h2><p>Se levanta.</p>"
           "<h2><a name=\"baraja\"></a>2. La baraja</h2><p>Cuarenta cartas.</p>"
           "</body></html>";
}

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
    QVERIFY(ayuda.pagina()->toPlainText().contains(QStringLiteral("Cómo se juega")));
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
    const QVariant recurso = ayuda.pagina()->loadResource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("naipes/oros01.jpg")));
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
    QVERIFY(ayuda.pagina()->toPlainText().isEmpty());
    QVERIFY(ayuda.isVisible());
}

// Orca reads by line, word and character only an editable-text object with a
// caret: it took the read-only browser for a label and read nothing of it.
void TestHelpWindow::opensWithTheFocusOnATextReadByCaret()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    escribir(HelpWindow::rutaAyuda(dir.path()), paginaConIndice());
    HelpWindow ayuda(dir.path());
    ayuda.mostrar();
    QVERIFY(QTest::qWaitForWindowActive(&ayuda));
    PaginaDeAyuda *pagina = ayuda.pagina();
    QCOMPARE(QApplication::focusWidget(), pagina);

    QAccessibleInterface *accesible = QAccessible::queryAccessibleInterface(pagina);
    QCOMPARE(accesible->role(), QAccessible::EditableText);
    QVERIFY(accesible->state().readOnly);
    QVERIFY(!accesible->text(QAccessible::Name).isEmpty());
    QVERIFY(accesible->textInterface());
    QCOMPARE(accesible->textInterface()->cursorPosition(), 0);
    QTest::keyClick(pagina, Qt::Key_Down);
    QCOMPARE(pagina->textCursor().block().text(), QStringLiteral("Primera línea"));
    QCOMPARE(accesible->textInterface()->cursorPosition(), pagina->textCursor().position());
}

void TestHelpWindow::linksAreReachedAndFollowedByKeys_data()
{
    QTest::addColumn<QList<QKeyCombination>>("teclas");
    QTest::addColumn<QString>("seleccion");
    const QKeyCombination tab(Qt::Key_Tab);
    const QKeyCombination intro(Qt::Key_Return);
    const QKeyCombination atras(Qt::AltModifier, Qt::Key_Left);
    QTest::newRow("Tab selects the first link") << QList { tab } << QStringLiteral("Las reglas");
    QTest::newRow("a link in two styles is one")
        << QList { tab, tab } << QStringLiteral("La baraja");
    QTest::newRow("Tab goes round") << QList { tab, tab, tab } << QStringLiteral("Las reglas");
    QTest::newRow("Shift+Tab from the top, the last")
        << QList { QKeyCombination(Qt::ShiftModifier, Qt::Key_Backtab) }
        << QStringLiteral("La baraja");
    QTest::newRow("Enter leads to the section's line")
        << QList { tab, tab, intro } << QStringLiteral("2. La baraja");
    QTest::newRow("Alt+Left back to the link")
        << QList { tab, intro, atras } << QStringLiteral("Las reglas");
    QTest::newRow("Backspace too") << QList { tab, tab, intro, QKeyCombination(Qt::Key_Backspace) }
                                   << QStringLiteral("La baraja");
}

void TestHelpWindow::linksAreReachedAndFollowedByKeys()
{
    QFETCH(QList<QKeyCombination>, teclas);
    QFETCH(QString, seleccion);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    escribir(HelpWindow::rutaAyuda(dir.path()), paginaConIndice());
    HelpWindow ayuda(dir.path());
    ayuda.mostrar();
    QVERIFY(QTest::qWaitForWindowActive(&ayuda));
    for (const QKeyCombination tecla : teclas)
        QTest::keyClick(QApplication::focusWidget(), tecla.key(), tecla.keyboardModifiers());
    QCOMPARE(QApplication::focusWidget(), ayuda.pagina());
    QCOMPARE(ayuda.pagina()->textCursor().selectedText(), seleccion);
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
