// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "mersennerandom.h"
#include "nivelcpu.h"
#include "preferencesfile.h"
#include "preferenciasfrm.h"
#include "programadepruebas.h"
#include "zelbogame.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const PreferenceValues kEnUso { QStringLiteral("Cpu Ana"), QStringLiteral("Bruno"),
                                QStringLiteral("/usr/bin/xterm"), 0x00123456,
                                QStringLiteral("/home/bruno/reverso.jpg") };
const QString kClave = QStringLiteral("cpu/nivel");

} // namespace

// The CPU's level on the "Juego" tab of "Opciones", kept in the user's
// settings. The settings live in a file of the test's own, never the player's.
class TestPreferenciasNivel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void juegoTabShowsTheStoredLevel_data();
    void juegoTabShowsTheStoredLevel();
    void levelChosenByKeysIsStoredOnAccept();
    void cancelPutsBackTheLevelOfTheOpening_data();
    void cancelPutsBackTheLevelOfTheOpening();
    void defaultSetsNormalAtOnce();
    void levelNeverReachesThePreferencesFile();
    void ctrlTabGoesRoundTheTabs();

private:
    void abrir();
    void pulsar(const char *nombre);
    void guardar(const QString &valor);
    QComboBox *nivel() const;
    // The settings file as another program reads it.
    QSettings ajustes() const { return QSettings(m_ajustes->fichero(), QSettings::IniFormat); }
    QString guardado() const { return ajustes().value(kClave).toString(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AjustesJuego> m_ajustes;
    std::unique_ptr<FakeView> m_vista;
    std::unique_ptr<FakeDialogs> m_dialogos;
    std::unique_ptr<MersenneRandom> m_azar;
    std::unique_ptr<ZelboGame> m_juego;
    std::unique_ptr<preferenciasfrm> m_ventana;
};

void TestPreferenciasNivel::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_ajustes = std::make_unique<AjustesJuego>(m_dir->filePath(QStringLiteral("zelbo.conf")));
    QVERIFY2(ajustes().fileName().startsWith(m_dir->path() + QLatin1Char('/')),
             qPrintable(ajustes().fileName()));
    QCOMPARE(m_ajustes->fichero(), ajustes().fileName());
    m_vista = std::make_unique<FakeView>();
    m_dialogos = std::make_unique<FakeDialogs>();
    m_azar = std::make_unique<MersenneRandom>(1);
    m_juego
        = std::make_unique<ZelboGame>(m_dir->path(), *m_vista, *m_dialogos, *m_azar, *m_ajustes);
    QVERIFY(PreferencesFile::save(m_dir->filePath(QStringLiteral("enuso.dat")), kEnUso));
    QVERIFY(m_juego->LoadProperty(m_dir->filePath(QStringLiteral("enuso.dat"))));
}

void TestPreferenciasNivel::cleanup()
{
    m_ventana.reset();
    m_juego.reset();
    m_ajustes.reset();
}

void TestPreferenciasNivel::abrir()
{
    m_ventana = std::make_unique<preferenciasfrm>(*m_juego, *m_ajustes, *m_dialogos);
    m_ventana->show();
    m_ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_ventana.get()));
}

void TestPreferenciasNivel::pulsar(const char *nombre)
{
    auto *control = m_ventana->findChild<QWidget *>(QLatin1String(nombre));
    QVERIFY2(control, nombre);
    control->setFocus();
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
}

void TestPreferenciasNivel::guardar(const QString &valor)
{
    QSettings a = ajustes();
    a.setValue(kClave, valor);
    a.sync();
    m_ajustes->releer();
}

QComboBox *TestPreferenciasNivel::nivel() const
{
    return m_ventana->findChild<QComboBox *>(QStringLiteral("cboNivel"));
}

void TestPreferenciasNivel::juegoTabShowsTheStoredLevel_data()
{
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("mostrado");
    QTest::newRow("nothing stored") << QString() << "Normal";
    QTest::newRow("normal") << "normal"
                            << "Normal";
    QTest::newRow("dificil") << "dificil"
                             << "Difícil";
    QTest::newRow("experto") << "experto"
                             << "Experto";
    QTest::newRow("an unknown word") << "maestro"
                                     << "Normal";
}

void TestPreferenciasNivel::juegoTabShowsTheStoredLevel()
{
    QFETCH(QString, valor);
    QFETCH(QString, mostrado);
    if (!valor.isEmpty())
        guardar(valor);
    QCOMPARE(m_ajustes->nivel(), NivelesCpu::deClave(valor).value_or(NivelCpu::Normal));
    abrir();
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(1), QStringLiteral("Juego"));
    QVERIFY(tabs->widget(1)->isAncestorOf(nivel()));
    QCOMPARE(nivel()->currentText(), mostrado);
    QCOMPARE(nivel()->count(), 3);
    QCOMPARE(nivel()->itemText(0), QStringLiteral("Normal"));
    QCOMPARE(nivel()->itemText(1), QStringLiteral("Difícil"));
    QCOMPARE(nivel()->itemText(2), QStringLiteral("Experto"));
    QCOMPARE(nivel()->accessibleName(), QStringLiteral("Nivel de la CPU"));
}

// Ctrl+Tab to the tab, Alt+N to the list, Down to Difícil, Enter to accept.
void TestPreferenciasNivel::levelChosenByKeysIsStoredOnAccept()
{
    abrir();
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    QTest::keyClick(m_ventana->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    QTest::keyClick(m_ventana.get(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(m_ventana->focusWidget(), nivel());
    QTest::keyClick(nivel(), Qt::Key_Down);
    QCOMPARE(nivel()->currentText(), QStringLiteral("Difícil"));
    QCOMPARE(guardado(), QString()); // nothing before "Aceptar"
    QTest::keyClick(nivel(), Qt::Key_Return);
    QCOMPARE(m_ventana->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(guardado(), QStringLiteral("dificil"));
    QCOMPARE(m_ajustes->nivel(), NivelCpu::Dificil);
    QVERIFY(m_dialogos->mensajes().isEmpty());
}

void TestPreferenciasNivel::cancelPutsBackTheLevelOfTheOpening_data()
{
    QTest::addColumn<QString>("alAbrir");
    QTest::addColumn<bool>("conDefault");
    QTest::newRow("Difícil chosen, then Cancelar") << "normal" << false;
    QTest::newRow("Normal chosen, then Cancelar") << "dificil" << false;
    QTest::newRow("Default, then Cancelar") << "dificil" << true;
}

void TestPreferenciasNivel::cancelPutsBackTheLevelOfTheOpening()
{
    QFETCH(QString, alAbrir);
    QFETCH(bool, conDefault);
    guardar(alAbrir);
    QVERIFY(PreferencesFile::save(m_dir->filePath(QStringLiteral("pordefect.dat")), kEnUso));
    abrir();
    if (conDefault)
        pulsar("Command1");
    else
        nivel()->setCurrentIndex(1 - nivel()->currentIndex());
    pulsar("cmdCancel");
    QCOMPARE(m_ventana->result(), static_cast<int>(QDialog::Rejected));
    QCOMPARE(guardado(), alAbrir);
}

void TestPreferenciasNivel::defaultSetsNormalAtOnce()
{
    guardar(QStringLiteral("dificil"));
    QVERIFY(PreferencesFile::save(m_dir->filePath(QStringLiteral("pordefect.dat")), kEnUso));
    abrir();
    QCOMPARE(nivel()->currentText(), QStringLiteral("Difícil"));
    pulsar("Command1");
    QCOMPARE(nivel()->currentText(), QStringLiteral("Normal"));
    QCOMPARE(guardado(), QStringLiteral("normal"));
    pulsar("cmdOK");
    QCOMPARE(guardado(), QStringLiteral("normal"));
}

// lastprop.dat has the same bytes whatever the level.
void TestPreferenciasNivel::levelNeverReachesThePreferencesFile()
{
    const QString lastprop = m_dir->filePath(QStringLiteral("lastprop.dat"));
    QByteArray porNivel[2];
    for (int i : { 0, 1 }) {
        abrir();
        nivel()->setCurrentIndex(i);
        pulsar("cmdOK");
        QFile f(lastprop);
        QVERIFY(f.open(QIODevice::ReadOnly));
        porNivel[i] = f.readAll();
    }
    QCOMPARE(guardado(), QStringLiteral("dificil"));
    QVERIFY(!porNivel[0].isEmpty());
    QCOMPARE(porNivel[1], porNivel[0]);
}

void TestPreferenciasNivel::ctrlTabGoesRoundTheTabs()
{
    abrir();
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    for (int esperada : { 1, 2, 0 }) {
        QTest::keyClick(m_ventana->focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), esperada);
    }
    QVERIFY(m_ventana->isVisible());
}

ZELBO_TEST_MAIN(TestPreferenciasNivel)
#include "tst_preferenciasnivel.moc"
