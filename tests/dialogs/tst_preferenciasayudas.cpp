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

#include <QCheckBox>
#include <QComboBox>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

} // namespace

// The Experto level and the two learning aids on the "Juego" tab of "Opciones",
// kept in the user's settings. The settings live in a file of the test's own, never the
// player's.
class TestPreferenciasAyudas : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void expertoChosenByKeysIsKeptAndShownAgain();
    void aidsAreOffUntilTickedAndAccepted_data();
    void aidsAreOffUntilTickedAndAccepted();
    void defaultTurnsTheAidsOff();

private:
    void abrir();
    void pulsar(const char *nombre);
    QCheckBox *casilla(const char *nombre) const;
    // What the settings file holds, as another program reads it.
    QVariant guardado(const QString &clave) const
    {
        return QSettings(m_ajustes->fichero(), QSettings::IniFormat).value(clave);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AjustesJuego> m_ajustes;
    std::unique_ptr<FakeView> m_vista;
    std::unique_ptr<FakeDialogs> m_dialogos;
    std::unique_ptr<MersenneRandom> m_azar;
    std::unique_ptr<ZelboGame> m_juego;
    std::unique_ptr<preferenciasfrm> m_ventana;
};

void TestPreferenciasAyudas::init()
{
    cleanup();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_vista = std::make_unique<FakeView>();
    m_dialogos = std::make_unique<FakeDialogs>();
    m_azar = std::make_unique<MersenneRandom>(1);
    m_ajustes = std::make_unique<AjustesJuego>(m_dir->filePath(QStringLiteral("zelbo.conf")));
    QVERIFY(m_ajustes->fichero().startsWith(m_dir->path() + QLatin1Char('/')));
    m_juego
        = std::make_unique<ZelboGame>(m_dir->path(), *m_vista, *m_dialogos, *m_azar, *m_ajustes);
    const PreferenceValues valores { QStringLiteral("Cpu"), QStringLiteral("Ana"), QString(),
                                     0x00123456, QString() };
    QVERIFY(PreferencesFile::save(m_dir->filePath(QStringLiteral("pordefect.dat")), valores));
}

void TestPreferenciasAyudas::cleanup()
{
    m_ventana.reset();
    m_juego.reset();
    m_ajustes.reset();
}

void TestPreferenciasAyudas::abrir()
{
    m_ventana = std::make_unique<preferenciasfrm>(*m_juego, *m_ajustes, *m_dialogos);
    m_ventana->show();
    m_ventana->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_ventana.get()));
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    tabs->setCurrentIndex(1);
}

void TestPreferenciasAyudas::pulsar(const char *nombre)
{
    auto *control = m_ventana->findChild<QWidget *>(QLatin1String(nombre));
    QVERIFY2(control, nombre);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
}

QCheckBox *TestPreferenciasAyudas::casilla(const char *nombre) const
{
    return m_ventana->findChild<QCheckBox *>(QLatin1String(nombre));
}

// Alt+N to the list, End to the last level, Enter to accept; the next opening shows it.
void TestPreferenciasAyudas::expertoChosenByKeysIsKeptAndShownAgain()
{
    abrir();
    auto *nivel = m_ventana->findChild<QComboBox *>(QStringLiteral("cboNivel"));
    QTest::keyClick(m_ventana.get(), Qt::Key_N, Qt::AltModifier);
    QCOMPARE(m_ventana->focusWidget(), nivel);
    QTest::keyClick(nivel, Qt::Key_End);
    QCOMPARE(nivel->currentText(), QStringLiteral("Experto"));
    QTest::keyClick(nivel, Qt::Key_Return);
    QCOMPARE(m_ventana->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(guardado(QStringLiteral("cpu/nivel")).toString(), QStringLiteral("experto"));
    QCOMPARE(m_ajustes->nivel(), NivelCpu::Experto);

    m_ajustes->releer(); // as the next start of the program reads it
    abrir();
    nivel = m_ventana->findChild<QComboBox *>(QStringLiteral("cboNivel"));
    QCOMPARE(nivel->currentText(), QStringLiteral("Experto"));
}

void TestPreferenciasAyudas::aidsAreOffUntilTickedAndAccepted_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<QString>("clave");
    QTest::newRow("chance bar") << "probabilidad"
                                << "Mostrar probabilidad de ganar" << int(Qt::Key_P)
                                << "juego/probabilidad";
    QTest::newRow("tutor") << "tutor"
                           << "Avisarme de los errores" << int(Qt::Key_E) << "juego/tutor";
}

void TestPreferenciasAyudas::aidsAreOffUntilTickedAndAccepted()
{
    QFETCH(QString, nombre);
    QFETCH(QString, texto);
    QFETCH(int, tecla);
    QFETCH(QString, clave);
    const QByteArray objeto = nombre.toLatin1();
    abrir();
    QCheckBox *c = casilla(objeto.constData());
    QVERIFY(c);
    QVERIFY(!c->isChecked());
    QCOMPARE(c->accessibleName(), texto);
    QTest::keyClick(m_ventana.get(), static_cast<Qt::Key>(tecla), Qt::AltModifier);
    QTRY_VERIFY(c->isChecked()); // a mnemonic clicks the box a moment later
    pulsar("cmdCancel");
    QVERIFY(!guardado(clave).isValid());

    abrir();
    c = casilla(objeto.constData());
    QVERIFY(!c->isChecked());
    QTest::keyClick(m_ventana.get(), static_cast<Qt::Key>(tecla), Qt::AltModifier);
    QTRY_VERIFY(c->isChecked());
    QVERIFY(!guardado(clave).isValid()); // nothing before "Aceptar"
    pulsar("cmdOK");
    QCOMPARE(guardado(clave).toBool(), true);
    const AjustesJuego &a = *m_ajustes;
    QCOMPARE(nombre == QLatin1String("tutor") ? a.tutor() : a.probabilidad(), true);
    abrir();
    QVERIFY(casilla(objeto.constData())->isChecked());
}

void TestPreferenciasAyudas::defaultTurnsTheAidsOff()
{
    m_ajustes->setTutor(true);
    m_ajustes->setProbabilidad(true);
    abrir();
    QVERIFY(casilla("tutor")->isChecked());
    QVERIFY(casilla("probabilidad")->isChecked());
    pulsar("Command1");
    QVERIFY(!casilla("tutor")->isChecked());
    QVERIFY(!casilla("probabilidad")->isChecked());
    pulsar("cmdOK");
    QVERIFY(!m_ajustes->tutor());
    QVERIFY(!m_ajustes->probabilidad());
}

ZELBO_TEST_MAIN(TestPreferenciasAyudas)
#include "tst_preferenciasayudas.moc"
