// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "programadepruebas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>

namespace {

QString leerGuardado(const QString &fichero, const QString &clave)
{
    return QSettings(fichero, QSettings::IniFormat).value(clave).toString();
}

bool escribirTexto(const QString &fichero, const QByteArray &texto)
{
    QFile f(fichero);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(texto) == texto.size();
}

} // namespace

// The player's settings of play: the keys and words of the file, the defaults, and a change
// that reaches every reader from memory.
class TestAjustes : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void aMissingFileGivesTheDefaults();
    void everyValueRoundTripsWithTheWordsOfTheFile();
    void aFileOfTheFormerProgramReadsAsItWas();
    void anUnknownStoredValueFallsBack_data();
    void anUnknownStoredValueFallsBack();
    void aChangeIsAnnouncedAndReadFromMemory();
    void theValueInForceIsNotWrittenAgain();
    void aFailedWriteSaysSoAndKeepsTheValueForThisRun();
    void theProgramsFileIsTheOnePlayersHave();
    void withoutAFileAChangeHoldsForTheObjectOnly();

private:
    QString fichero() const { return m_dir->filePath(QStringLiteral("zelbo.conf")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestAjustes::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestAjustes::aMissingFileGivesTheDefaults()
{
    const AjustesJuego ajustes(fichero());
    QCOMPARE(ajustes.nivel(), NivelCpu::Normal);
    QCOMPARE(ajustes.velocidad(), VelocidadCpu::Normal);
    QCOMPARE(ajustes.animaciones(), true);
    QVERIFY(!QFile::exists(fichero()));
}

// Each value is written as the word the program has always stored, and a new start reads it.
void TestAjustes::everyValueRoundTripsWithTheWordsOfTheFile()
{
    const std::pair<NivelCpu, const char *> niveles[]
        = { { NivelCpu::Dificil, "dificil" }, { NivelCpu::Normal, "normal" } };
    const std::pair<VelocidadCpu, const char *> velocidades[]
        = { { VelocidadCpu::Lenta, "lenta" },
            { VelocidadCpu::Rapida, "rapida" },
            { VelocidadCpu::SinPausas, "sinpausas" },
            { VelocidadCpu::Normal, "normal" } };
    for (const auto &[nivel, palabra] : niveles) {
        QVERIFY(AjustesJuego(fichero()).setNivel(nivel));
        QCOMPARE(leerGuardado(fichero(), QStringLiteral("cpu/nivel")), QLatin1String(palabra));
        QCOMPARE(AjustesJuego(fichero()).nivel(), nivel);
    }
    for (const auto &[velocidad, palabra] : velocidades) {
        QVERIFY(AjustesJuego(fichero()).setVelocidad(velocidad));
        QCOMPARE(leerGuardado(fichero(), QStringLiteral("cpu/velocidad")), QLatin1String(palabra));
        QCOMPARE(AjustesJuego(fichero()).velocidad(), velocidad);
    }
    for (const bool animaciones : { false, true }) {
        QVERIFY(AjustesJuego(fichero()).setAnimaciones(animaciones));
        QCOMPARE(leerGuardado(fichero(), QStringLiteral("tablero/animaciones")),
                 animaciones ? QStringLiteral("true") : QStringLiteral("false"));
        QCOMPARE(AjustesJuego(fichero()).animaciones(), animaciones);
    }
    // Writing one key leaves the others as they were.
    const AjustesJuego leidos(fichero());
    QCOMPARE(leidos.nivel(), NivelCpu::Normal);
    QCOMPARE(leidos.velocidad(), VelocidadCpu::Normal);
    QVERIFY(QSettings(fichero(), QSettings::IniFormat).contains(QStringLiteral("cpu/nivel")));
}

void TestAjustes::aFileOfTheFormerProgramReadsAsItWas()
{
    QVERIFY(escribirTexto(fichero(),
                          "[cpu]\nnivel=dificil\nvelocidad=sinpausas\n\n"
                          "[tablero]\nanimaciones=false\n"));
    const AjustesJuego ajustes(fichero());
    QCOMPARE(ajustes.nivel(), NivelCpu::Dificil);
    QCOMPARE(ajustes.velocidad(), VelocidadCpu::SinPausas);
    QCOMPARE(ajustes.animaciones(), false);
}

void TestAjustes::anUnknownStoredValueFallsBack_data()
{
    QTest::addColumn<QByteArray>("texto");
    QTest::addColumn<NivelCpu>("nivel");
    QTest::addColumn<VelocidadCpu>("velocidad");
    QTest::addColumn<bool>("animaciones");
    QTest::newRow("words of no setting")
        << QByteArray("[cpu]\nnivel=maestro\nvelocidad=turbo\n[tablero]\nanimaciones=quizas\n")
        << NivelCpu::Normal << VelocidadCpu::Normal << true;
    QTest::newRow("words in another case") << QByteArray("[cpu]\nnivel=Dificil\nvelocidad=LENTA\n")
                                           << NivelCpu::Normal << VelocidadCpu::Normal << true;
    QTest::newRow("empty values") << QByteArray(
        "[cpu]\nnivel=\nvelocidad=\n[tablero]\nanimaciones=\n")
                                  << NivelCpu::Normal << VelocidadCpu::Normal << false;
    QTest::newRow("animations as a number") << QByteArray("[tablero]\nanimaciones=0\n")
                                            << NivelCpu::Normal << VelocidadCpu::Normal << false;
    QTest::newRow("not a settings file") << QByteArray("\xff\xfe garbage\n[[[\n")
                                         << NivelCpu::Normal << VelocidadCpu::Normal << true;
}

void TestAjustes::anUnknownStoredValueFallsBack()
{
    QFETCH(QByteArray, texto);
    QFETCH(NivelCpu, nivel);
    QFETCH(VelocidadCpu, velocidad);
    QFETCH(bool, animaciones);
    QVERIFY(escribirTexto(fichero(), texto));
    const AjustesJuego ajustes(fichero());
    QCOMPARE(ajustes.nivel(), nivel);
    QCOMPARE(ajustes.velocidad(), velocidad);
    QCOMPARE(ajustes.animaciones(), animaciones);
}

// The file is read once; a change made through the object reaches its readers at once, and
// what another program writes to the file afterwards does not.
void TestAjustes::aChangeIsAnnouncedAndReadFromMemory()
{
    AjustesJuego ajustes(fichero());
    QSignalSpy cambios(&ajustes, &AjustesJuego::cambiado);
    QVERIFY(ajustes.setVelocidad(VelocidadCpu::Rapida));
    QCOMPARE(cambios.count(), 1);
    QVERIFY(ajustes.setAnimaciones(false));
    QCOMPARE(cambios.count(), 2);
    QVERIFY(escribirTexto(fichero(), "[cpu]\nvelocidad=lenta\nnivel=dificil\n"));
    QCOMPARE(ajustes.velocidad(), VelocidadCpu::Rapida);
    QCOMPARE(ajustes.animaciones(), false);
    QCOMPARE(ajustes.nivel(), NivelCpu::Normal);
    // A new start of the program reads what the file holds.
    ajustes.releer();
    QCOMPARE(cambios.count(), 3);
    QCOMPARE(ajustes.velocidad(), VelocidadCpu::Lenta);
    QCOMPARE(ajustes.nivel(), NivelCpu::Dificil);
    QCOMPARE(ajustes.animaciones(), true);
}

void TestAjustes::theValueInForceIsNotWrittenAgain()
{
    QVERIFY(escribirTexto(fichero(), "[cpu]\nnivel=dificil\n"));
    AjustesJuego ajustes(fichero());
    QSignalSpy cambios(&ajustes, &AjustesJuego::cambiado);
    QVERIFY(QFile::remove(fichero()));
    QVERIFY(ajustes.setNivel(NivelCpu::Dificil));
    QCOMPARE(cambios.count(), 0);
    QVERIFY(!QFile::exists(fichero()));
    // A key never stored is written even with its default value.
    QVERIFY(ajustes.setAnimaciones(true));
    QCOMPARE(cambios.count(), 1);
    QCOMPARE(leerGuardado(fichero(), QStringLiteral("tablero/animaciones")),
             QStringLiteral("true"));
}

void TestAjustes::aFailedWriteSaysSoAndKeepsTheValueForThisRun()
{
    // A folder where the file should be: nothing can be written there, not even by root.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("zelbo.conf")));
    AjustesJuego ajustes(fichero());
    QSignalSpy cambios(&ajustes, &AjustesJuego::cambiado);
    QVERIFY(!ajustes.setNivel(NivelCpu::Dificil));
    QCOMPARE(ajustes.nivel(), NivelCpu::Dificil);
    QCOMPARE(cambios.count(), 1);
    QVERIFY(QFileInfo(fichero()).isDir());
}

// Organisation and application "zelbo": the file players already have, here under the test's
// own home (XDG_CONFIG_HOME), never the real one.
void TestAjustes::theProgramsFileIsTheOnePlayersHave()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY2(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"), "run through CTest, in a test home");
    QCOMPARE(qEnvironmentVariable("XDG_CONFIG_HOME"), config);
    QCOMPARE(AjustesJuego::abrirDelUsuario().fichero(),
             config + QStringLiteral("/zelbo/zelbo.conf"));
}

// Settings over no file start from the defaults, keep a change for as long as they live and
// write nothing: the player's file stays as it was.
void TestAjustes::withoutAFileAChangeHoldsForTheObjectOnly()
{
    AjustesJuego ajustes;
    QSignalSpy cambios(&ajustes, &AjustesJuego::cambiado);
    QCOMPARE(ajustes.mesa(), TipoMesa::Clasica);
    QVERIFY(ajustes.setMesa(TipoMesa::Moderna));
    QVERIFY(ajustes.setNivel(NivelCpu::Experto));
    QCOMPARE(cambios.count(), 2);
    QCOMPARE(ajustes.mesa(), TipoMesa::Moderna);
    QCOMPARE(AjustesJuego().nivel(), NivelCpu::Normal);
    QVERIFY(!QFile::exists(AjustesJuego::abrirDelUsuario().fichero()));
    ajustes.releer();
    QCOMPARE(ajustes.nivel(), NivelCpu::Normal);
}

ZELBO_TEST_GUILESS_MAIN(TestAjustes)
#include "tst_ajustes.moc"
