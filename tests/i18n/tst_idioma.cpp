// SPDX-License-Identifier: GPL-3.0-or-later

#include "idiomadeljuego.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>

// Which language the game speaks, and what installing it changes.
class TstIdioma : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheFirstLanguageCounts_data();
    void onlyTheFirstLanguageCounts();
    void englishTranslatesTheQuitQuestion();
    void spanishLeavesTheSourceTextsAlone();
    void missingEnglishFileLeavesTheGameInSpanish();
};

void TstIdioma::onlyTheFirstLanguageCounts_data()
{
    QTest::addColumn<QStringList>("idiomas");
    QTest::addColumn<IdiomaDelJuego::Idioma>("elegido");
    const auto ingles = IdiomaDelJuego::Idioma::Ingles;
    const auto espanol = IdiomaDelJuego::Idioma::Espanol;
    QTest::newRow("en-US") << QStringList { "en-US", "en" } << ingles;
    QTest::newRow("en-GB first, Spanish second") << QStringList { "en-GB", "es-ES" } << ingles;
    QTest::newRow("plain en") << QStringList { "en" } << ingles;
    QTest::newRow("Spanish first, English second") << QStringList { "es-ES", "en-US" } << espanol;
    QTest::newRow("German first, English second") << QStringList { "de-DE", "en-US" } << espanol;
    QTest::newRow("C locale") << QStringList { "C" } << espanol;
    QTest::newRow("POSIX locale") << QStringList { "POSIX" } << espanol;
    QTest::newRow("nothing known") << QStringList {} << espanol;
}

void TstIdioma::onlyTheFirstLanguageCounts()
{
    QFETCH(QStringList, idiomas);
    QFETCH(IdiomaDelJuego::Idioma, elegido);
    QCOMPARE(IdiomaDelJuego::elegir(idiomas), elegido);
}

void TstIdioma::englishTranslatesTheQuitQuestion()
{
    IdiomaDelJuego idioma;
    QVERIFY(idioma.instalar(IdiomaDelJuego::Idioma::Ingles, rutaDePrueba("ZELBO_TRANSLATIONS_DIR"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCOMPARE(QCoreApplication::translate("PreguntasDelJuego", "¿Salir del juego?"),
             QStringLiteral("Quit the game?"));
    QCOMPARE(QCoreApplication::translate("PreguntasDelJuego", "Salir"), QStringLiteral("Quit"));
    QCOMPARE(QCoreApplication::translate("MenusVentana", "&Archivo"), QStringLiteral("&File"));
    QCOMPARE(QCoreApplication::translate("HelpWindow", "ayuda.html",
                                         "file name of the help page in this language"),
             QStringLiteral("ayuda_en.html"));
    QCOMPARE(IdiomaDelJuego::cifras().toString(1.8, 'f', 1), QStringLiteral("1.8"));
}

void TstIdioma::spanishLeavesTheSourceTextsAlone()
{
    IdiomaDelJuego idioma;
    idioma.instalar(IdiomaDelJuego::Idioma::Espanol, rutaDePrueba("ZELBO_TRANSLATIONS_DIR"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCOMPARE(QCoreApplication::translate("PreguntasDelJuego", "¿Salir del juego?"),
             QStringLiteral("¿Salir del juego?"));
    QCOMPARE(QCoreApplication::translate("PreguntasDelJuego", "Salir"), QStringLiteral("Salir"));
    QCOMPARE(IdiomaDelJuego::cifras().toString(1.8, 'f', 1), QStringLiteral("1,8"));
}

void TstIdioma::missingEnglishFileLeavesTheGameInSpanish()
{
    QTemporaryDir vacia;
    IdiomaDelJuego idioma;
    QVERIFY(!idioma.instalar(IdiomaDelJuego::Idioma::Ingles, vacia.path(),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCOMPARE(QCoreApplication::translate("PreguntasDelJuego", "Salir"), QStringLiteral("Salir"));
}

ZELBO_TEST_GUILESS_MAIN(TstIdioma)
#include "tst_idioma.moc"
