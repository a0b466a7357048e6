// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "idiomadeljuego.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"
#include "tecladotablero.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QShortcut>
#include <QTest>
#include <QTextDocument>
#include <QToolBar>
#include <memory>

namespace {

QString leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The page as the reader sees it: no tags, entities decoded.
QString textoDe(const QString &html)
{
    QTextDocument documento;
    documento.setHtml(html);
    return documento.toPlainText();
}

// A command's name as the page writes it: no mnemonic, no dots of a dialog.
QString nombreDe(const QAction &accion)
{
    QString texto = accion.text();
    texto.remove(QLatin1Char('&')).remove(QChar(0x2026)).remove(QStringLiteral("..."));
    return texto.trimmed();
}

// Each key in the form the desktop shows or the portable one; either may be in the page.
bool nombrada(const QString &pagina, const QKeySequence &tecla)
{
    return pagina.contains(tecla.toString(QKeySequence::NativeText))
        || pagina.contains(tecla.toString(QKeySequence::PortableText));
}

void acciones(const QWidget &donde, QList<const QAction *> &todas)
{
    for (const QAction *a : donde.actions()) {
        if (a->isSeparator())
            continue;
        if (a->menu())
            acciones(*a->menu(), todas);
        else
            todas.append(a);
    }
}

// What the help of the main window's commands and keys lacks, one line each.
QStringList faltas(ZelboFrm &ventana, const QString &pagina)
{
    QList<const QAction *> todas;
    acciones(*ventana.menuBar(), todas);
    for (const QToolBar *barra : ventana.findChildren<QToolBar *>())
        acciones(*barra, todas);
    QStringList faltan;
    for (const QAction *a : todas) {
        if (!pagina.contains(nombreDe(*a)))
            faltan << QStringLiteral("command \"%1\"").arg(nombreDe(*a));
        for (const QKeySequence &tecla : a->shortcuts()) {
            if (!nombrada(pagina, tecla))
                faltan << QStringLiteral("key %1 of \"%2\"")
                              .arg(tecla.toString(QKeySequence::NativeText), nombreDe(*a));
        }
    }
    for (const QShortcut *atajo : ventana.findChildren<QShortcut *>()) {
        if (!nombrada(pagina, atajo->key()))
            faltan << QStringLiteral("key %1").arg(atajo->key().toString());
    }
    for (const QKeySequence &tecla : TecladoTablero::teclasDeFoco()) {
        if (!nombrada(pagina, tecla))
            faltan << QStringLiteral("board key %1").arg(tecla.toString(QKeySequence::NativeText));
    }
    return faltan;
}

} // namespace

// The help pages describe the game that is built: a command or key added without its
// help fails here, and so does a picture a page shows that the build did not make.
class TstAyuda : public QObject
{
    Q_OBJECT

private slots:
    void everyCommandAndKeyIsInThePage_data();
    void everyCommandAndKeyIsInThePage();
    void everyPictureOfThePagesExists_data();
    void everyPictureOfThePagesExists();
};

void TstAyuda::everyCommandAndKeyIsInThePage_data()
{
    QTest::addColumn<bool>("ingles");
    QTest::addColumn<QString>("pagina");
    QTest::newRow("es") << false << QStringLiteral("ayuda.html");
    QTest::newRow("en") << true << QStringLiteral("ayuda_en.html");
}

// The window is made in the page's language, so the names and the keys are those the
// reader of the page sees in the menus.
void TstAyuda::everyCommandAndKeyIsInThePage()
{
    QFETCH(bool, ingles);
    QFETCH(QString, pagina);
    IdiomaDelJuego idioma;
    QVERIFY(
        idioma.instalar(ingles ? IdiomaDelJuego::Idioma::Ingles : IdiomaDelJuego::Idioma::Espanol,
                        rutaDePrueba("ZELBO_TRANSLATIONS_DIR"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !ingles);
    const QString texto = textoDe(leer(rutaDePrueba("ZELBO_OUT_DIR") + u'/' + pagina));
    QVERIFY2(!texto.isEmpty(), qPrintable(pagina));
    BoardFixture f;
    QVERIFY(f.iniciar());
    if (ingles)
        QCOMPARE(f.ventana().menuBar()->actions().value(0)->text(), QStringLiteral("&File"));
    const QStringList faltan = faltas(f.ventana(), texto);
    QVERIFY2(faltan.isEmpty(),
             qPrintable(pagina + QStringLiteral(" lacks: ") + faltan.join(QStringLiteral("; "))));
}

void TstAyuda::everyPictureOfThePagesExists_data()
{
    QTest::addColumn<QString>("pagina");
    QTest::newRow("es") << QStringLiteral("ayuda.html");
    QTest::newRow("en") << QStringLiteral("ayuda_en.html");
}

void TstAyuda::everyPictureOfThePagesExists()
{
    QFETCH(QString, pagina);
    const QString html = leer(rutaDePrueba("ZELBO_OUT_DIR") + u'/' + pagina);
    QVERIFY(!html.isEmpty());
    static const QRegularExpression img(QStringLiteral("<img\\s[^>]*>"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto atributo = [](const QString &etiqueta, const QString &nombre) {
        const QRegularExpression valor(QStringLiteral("\\s%1=\"([^\"]*)\"").arg(nombre));
        return valor.match(etiqueta).captured(1);
    };
    int imagenes = 0;
    for (const QRegularExpressionMatch &m : img.globalMatch(html)) {
        ++imagenes;
        const QString src = atributo(m.captured(), QStringLiteral("src"));
        const QImage imagen(rutaDePrueba("ZELBO_OUT_DIR") + u'/' + src);
        QVERIFY2(!imagen.isNull(), qPrintable(pagina + QStringLiteral(": ") + src));
        // The help window scales a picture given only its width but keeps the
        // room of its own height, leaving a gap under it.
        const int ancho = atributo(m.captured(), QStringLiteral("width")).toInt();
        const int alto = atributo(m.captured(), QStringLiteral("height")).toInt();
        if (src.startsWith(QStringLiteral("ayuda/")) && ancho > 0)
            QVERIFY2(qAbs(alto - ancho * imagen.height() / imagen.width()) <= 2,
                     qPrintable(pagina + QStringLiteral(": ") + m.captured()));
    }
    // The pictures of the game itself are among them.
    QVERIFY(html.contains(QStringLiteral("ayuda/")));
    QVERIFY(imagenes > 0);
}

ZELBO_TEST_MAIN(TstAyuda)
#include "tst_ayuda.moc"
