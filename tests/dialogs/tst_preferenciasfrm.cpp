// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "listaconvalor.h"
#include "mersennerandom.h"
#include "notificacion.h"
#include "pathlabel.h"
#include "preferencesfile.h"
#include "preferenciasfrm.h"
#include "programadepruebas.h"
#include "zelbogame.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Icono = DialogService::Icono;
using Botones = DialogService::Botones;

namespace {

const PreferenceValues kEnUso { QStringLiteral("Cpu Ana"), QStringLiteral("Bruno"),
                                QStringLiteral("/usr/bin/xterm"), 0x00123456,
                                QStringLiteral("/home/bruno/reverso.jpg") };
const PreferenceValues kDeFabrica { QStringLiteral("Maquina"), QStringLiteral("Jugador"),
                                    QStringLiteral("/usr/bin/true"), 0x00008000,
                                    QStringLiteral("/opt/zelbo/otro.jpg") };
const QString kAvisoReverso = QStringLiteral("Este cambio tendra efecto cuando reinicie el juego");
const QString kAvisoDefault
    = QStringLiteral("Esta operacion tendra efecto cuando reinicie el juego");

} // namespace

class TestPreferenciasFrm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowShowsTheValuesInForce();
    void acceptWithoutChangesSavesCurrentValues();
    void chosenColourReachesTheBoardOnAccept();
    void chosenColourIsDroppedWhenLeaving_data();
    void chosenColourIsDroppedWhenLeaving();
    void colourDialogStartsFromTheShownColour();
    void applicationChosenFromLabelOrFrame_data();
    void applicationChosenFromLabelOrFrame();
    void cancelledApplicationDialogKeepsThePath();
    void chosenCardBackWarnsAndWaitsForAccept();
    void cancelledCardBackDialogShowsNothing();
    void defaultActsAtOnceAndShowsTheNotice();
    void defaultThenCancelRestoresEarlierValues();
    void defaultThenAcceptSavesTheDefaults();
    void defaultWithMissingFileShowsOnlyTheError();
    void tabKeysMoveToTheNextTabOnly_data();
    void tabKeysMoveToTheNextTabOnly();
    void gameTabKeepsItsSettingsOnlyOnAccept();
    void tableIsChosenOnTheDesktopTabOnAccept();
    void acceptedSettingsReachTheirReadersFromMemory();
    void everyControlReadsWithItsName();
    void clickableLabelsAreButtonsToAScreenReader();
    void labelKeysReachTheirControls();
    void enterAcceptsAndEscCancels();

private:
    QString enDir(const QString &nombre) const { return m_dir->filePath(nombre); }
    void abrir();
    void pulsar(const char *nombre);
    PathLabel *ruta(const char *nombre) const;
    PreferenceValues guardadas() const;
    PreferenceValues enJuego() const;
    // The settings file as another program reads it.
    QSettings enArchivo() const { return QSettings(m_ajustes->fichero(), QSettings::IniFormat); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AjustesJuego> m_ajustes;
    std::unique_ptr<FakeView> m_vista;
    std::unique_ptr<FakeDialogs> m_dialogos;
    std::unique_ptr<MersenneRandom> m_azar;
    std::unique_ptr<ZelboGame> m_juego;
    std::unique_ptr<preferenciasfrm> m_ventana;
};

void TestPreferenciasFrm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_vista = std::make_unique<FakeView>();
    m_dialogos = std::make_unique<FakeDialogs>();
    m_azar = std::make_unique<MersenneRandom>(1);
    // The window reads and writes the CPU's level and the board's settings in a file of
    // the test's own.
    m_ajustes = std::make_unique<AjustesJuego>(enDir(QStringLiteral("zelbo.conf")));
    m_juego
        = std::make_unique<ZelboGame>(m_dir->path(), *m_vista, *m_dialogos, *m_azar, *m_ajustes);

    // The values in force come from a file of their own, so that a written
    // lastprop.dat can only come from the window.
    QVERIFY(PreferencesFile::save(enDir(QStringLiteral("enuso.dat")), kEnUso));
    QVERIFY(m_juego->LoadProperty(enDir(QStringLiteral("enuso.dat"))));
    m_vista->limpiar();
}

void TestPreferenciasFrm::cleanup()
{
    m_ventana.reset();
    m_juego.reset();
    m_ajustes.reset();
}

void TestPreferenciasFrm::abrir()
{
    m_ventana = std::make_unique<preferenciasfrm>(*m_juego, *m_ajustes, *m_dialogos);
    m_ventana->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_ventana.get()));
}

void TestPreferenciasFrm::pulsar(const char *nombre)
{
    auto *control = m_ventana->findChild<QWidget *>(QLatin1String(nombre));
    QVERIFY2(control, nombre);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, 4));
}

PathLabel *TestPreferenciasFrm::ruta(const char *nombre) const
{
    return m_ventana->findChild<PathLabel *>(QLatin1String(nombre));
}

PreferenceValues TestPreferenciasFrm::guardadas() const
{
    PreferenceValues valores { QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?"), -1,
                               QStringLiteral("?") };
    if (!PreferencesFile::load(enDir(QStringLiteral("lastprop.dat")), valores))
        qWarning("lastprop.dat missing or damaged");
    return valores;
}

PreferenceValues TestPreferenciasFrm::enJuego() const
{
    const Preferencias &p = m_juego->preferencias();
    return { m_juego->estado().jugadorCpu.nombre(), m_juego->estado().jugadorHumano.nombre(),
             p.aplicacion, p.colorFondo, p.reverso };
}

void TestPreferenciasFrm::windowShowsTheValuesInForce()
{
    abrir();
    QCOMPARE(m_ventana->windowTitle(), QStringLiteral("Opciones"));
    QVERIFY(m_ventana->isModal());
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Escritorio"));
    QCOMPARE(tabs->tabToolTip(0), QStringLiteral("Opciones de escritorio"));

    QCOMPARE(ruta("Label5")->ruta(), kEnUso.aplicacion);
    QCOMPARE(ruta("Label5")->toolTip(), kEnUso.aplicacion);
    QCOMPARE(ruta("Label8")->ruta(), kEnUso.reverso);
    auto *muestra = m_ventana->findChild<QWidget *>(QStringLiteral("Label1"));
    // &H00123456: red 0x56, green 0x34, blue 0x12.
    QCOMPARE(muestra->palette().color(QPalette::Window), QColor(0x56, 0x34, 0x12));
}

void TestPreferenciasFrm::acceptWithoutChangesSavesCurrentValues()
{
    abrir();
    pulsar("cmdOK");
    QVERIFY(!m_ventana->isVisible());
    QCOMPARE(m_ventana->result(), static_cast<int>(QDialog::Accepted));
    QCOMPARE(guardadas(), kEnUso);
    QVERIFY(m_dialogos->mensajes().isEmpty());
}

void TestPreferenciasFrm::chosenColourReachesTheBoardOnAccept()
{
    abrir();
    m_dialogos->responderColor(0x000000FF);
    pulsar("Label1");
    QVERIFY(m_vista->coloresAplicados().isEmpty()); // not before "Aceptar"
    pulsar("cmdOK");
    QCOMPARE(m_juego->preferencias().colorFondo, 0x000000FF);
    QCOMPARE(m_vista->coloresAplicados().value(m_vista->coloresAplicados().size() - 1), 0x000000FF);
    QCOMPARE(guardadas().colorFondo, 0x000000FF);
}

void TestPreferenciasFrm::chosenColourIsDroppedWhenLeaving_data()
{
    QTest::addColumn<int>("como");
    QTest::newRow("Cancelar") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void TestPreferenciasFrm::chosenColourIsDroppedWhenLeaving()
{
    QFETCH(int, como);
    abrir();
    m_dialogos->responderColor(0x000000FF);
    pulsar("Label1");
    if (como == 0)
        pulsar("cmdCancel");
    else if (como == 1)
        QTest::keyClick(m_ventana.get(), Qt::Key_Escape);
    else
        m_ventana->close();

    QVERIFY(!m_ventana->isVisible());
    QCOMPARE(enJuego(), kEnUso);
    for (qint32 color : std::as_const(m_vista->coloresAplicados()))
        QCOMPARE(color, kEnUso.colorFondo);
    QVERIFY(!QFile::exists(enDir(QStringLiteral("lastprop.dat"))));
}

void TestPreferenciasFrm::colourDialogStartsFromTheShownColour()
{
    abrir();
    pulsar("Label1"); // cancelled: reports the colour it started with
    m_dialogos->responderColor(0x00ABCDEF);
    pulsar("Label1");
    pulsar("Label1");
    const QList<qint32> esperados { kEnUso.colorFondo, kEnUso.colorFondo, 0x00ABCDEF };
    QCOMPARE(m_dialogos->coloresIniciales(), esperados);
}

void TestPreferenciasFrm::applicationChosenFromLabelOrFrame_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("label") << QStringLiteral("Label5");
    QTest::newRow("frame") << QStringLiteral("Frame3");
}

void TestPreferenciasFrm::applicationChosenFromLabelOrFrame()
{
    QFETCH(QString, control);
    abrir();
    m_dialogos->responderArchivo(QStringLiteral("/opt/juegos/mi programa"));
    pulsar(control.toLatin1().constData());
    QCOMPARE(m_dialogos->filtros(),
             QStringList { QString::fromUtf8(preferenciasfrm::kFiltroProgramas) });
#ifndef Q_OS_WIN
    QCOMPARE(QString::fromUtf8(preferenciasfrm::kFiltroProgramas),
             QStringLiteral("Programas (*);;Todos (*)"));
#endif
    QVERIFY(m_dialogos->mensajes().isEmpty());
    QCOMPARE(m_juego->preferencias().aplicacion, kEnUso.aplicacion);
    pulsar("cmdOK");
    QCOMPARE(m_juego->preferencias().aplicacion, QStringLiteral("/opt/juegos/mi programa"));
    QCOMPARE(guardadas().aplicacion, QStringLiteral("/opt/juegos/mi programa"));
}

void TestPreferenciasFrm::cancelledApplicationDialogKeepsThePath()
{
    abrir();
    pulsar("Label5");
    QCOMPARE(m_dialogos->filtros().size(), 1);
    QCOMPARE(ruta("Label5")->ruta(), kEnUso.aplicacion);
    pulsar("cmdOK");
    QCOMPARE(guardadas().aplicacion, kEnUso.aplicacion);
}

void TestPreferenciasFrm::chosenCardBackWarnsAndWaitsForAccept()
{
    abrir();
    m_dialogos->responderArchivo(QStringLiteral("/home/bruno/nuevo.bmp"));
    pulsar("Label8");
    QCOMPARE(m_dialogos->filtros(), QStringList { QStringLiteral("Imagenes (*.jpg *.bmp)") });
    QCOMPARE(m_dialogos->mensajes().size(), 1);
    const FakeDialogs::Mensaje &m = m_dialogos->mensajes().first();
    QCOMPARE(m.texto, kAvisoReverso);
    QCOMPARE(m.titulo, DialogService::kTitulo);
    QVERIFY(m.botones == Botones::Ok);
    QVERIFY(m.icono == Icono::Ninguno);
    QCOMPARE(m_juego->preferencias().reverso, kEnUso.reverso);

    pulsar("cmdOK");
    QCOMPARE(m_juego->preferencias().reverso, QStringLiteral("/home/bruno/nuevo.bmp"));
    QCOMPARE(guardadas().reverso, QStringLiteral("/home/bruno/nuevo.bmp"));
}

void TestPreferenciasFrm::cancelledCardBackDialogShowsNothing()
{
    abrir();
    pulsar("Label8");
    QCOMPARE(m_dialogos->filtros().size(), 1);
    QVERIFY(m_dialogos->mensajes().isEmpty());
    QCOMPARE(ruta("Label8")->ruta(), kEnUso.reverso);
    pulsar("cmdOK");
    QCOMPARE(guardadas().reverso, kEnUso.reverso);
}

void TestPreferenciasFrm::defaultActsAtOnceAndShowsTheNotice()
{
    QVERIFY(PreferencesFile::save(enDir(QStringLiteral("pordefect.dat")), kDeFabrica));
    abrir();
    pulsar("Command1");
    QCOMPARE(enJuego(), kDeFabrica);
    QCOMPARE(m_vista->coloresAplicados().value(m_vista->coloresAplicados().size() - 1),
             kDeFabrica.colorFondo);
    QCOMPARE(ruta("Label5")->ruta(), kDeFabrica.aplicacion);
    QCOMPARE(ruta("Label8")->ruta(), kDeFabrica.reverso);
    QCOMPARE(m_dialogos->mensajes().size(), 1);
    QCOMPARE(m_dialogos->mensajes().first().texto, kAvisoDefault);
    QVERIFY(m_dialogos->mensajes().first().icono == Icono::Ninguno);
    QVERIFY(m_ventana->isVisible());
}

void TestPreferenciasFrm::defaultThenCancelRestoresEarlierValues()
{
    QVERIFY(PreferencesFile::save(enDir(QStringLiteral("pordefect.dat")), kDeFabrica));
    abrir();
    pulsar("Command1");
    pulsar("cmdCancel");
    QCOMPARE(enJuego(), kEnUso);
    QCOMPARE(m_vista->coloresAplicados().value(m_vista->coloresAplicados().size() - 1),
             kEnUso.colorFondo);
    QVERIFY(!QFile::exists(enDir(QStringLiteral("lastprop.dat"))));
}

void TestPreferenciasFrm::defaultThenAcceptSavesTheDefaults()
{
    QVERIFY(PreferencesFile::save(enDir(QStringLiteral("pordefect.dat")), kDeFabrica));
    abrir();
    pulsar("Command1");
    pulsar("cmdOK");
    QCOMPARE(enJuego(), kDeFabrica);
    QCOMPARE(guardadas(), kDeFabrica);
}

void TestPreferenciasFrm::defaultWithMissingFileShowsOnlyTheError()
{
    abrir();
    pulsar("Command1");
    QCOMPARE(m_dialogos->mensajes().size(), 1);
    const FakeDialogs::Mensaje &m = m_dialogos->mensajes().first();
    QCOMPARE(m.texto, QStringLiteral("El archivo de propiedades no existe o esta dañado"));
    QVERIFY(m.icono == Icono::Critico);
    QCOMPARE(enJuego(), kEnUso);
    QCOMPARE(ruta("Label5")->ruta(), kEnUso.aplicacion);
    QCOMPARE(ruta("Label8")->ruta(), kEnUso.reverso);
}

void TestPreferenciasFrm::tabKeysMoveToTheNextTabOnly_data()
{
    QTest::addColumn<int>("tecla");
    QTest::addColumn<Qt::KeyboardModifiers>("modificadores");
    QTest::addColumn<int>("pestana");
    QTest::newRow("Ctrl+Tab") << static_cast<int>(Qt::Key_Tab)
                              << Qt::KeyboardModifiers(Qt::ControlModifier) << 1;
    QTest::newRow("Ctrl+Shift+Tab")
        << static_cast<int>(Qt::Key_Backtab) << (Qt::ControlModifier | Qt::ShiftModifier) << 0;
}

void TestPreferenciasFrm::tabKeysMoveToTheNextTabOnly()
{
    QFETCH(int, tecla);
    QFETCH(Qt::KeyboardModifiers, modificadores);
    QFETCH(int, pestana);
    abrir();
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    for (const char *conFoco : { "Label8", "cmdOK" }) {
        tabs->setCurrentIndex(0);
        auto *foco = m_ventana->findChild<QWidget *>(QLatin1String(conFoco));
        foco->setFocus();
        QTest::keyClick(foco, static_cast<Qt::Key>(tecla), modificadores);
        QCOMPARE(tabs->currentIndex(), pestana);
        if (pestana == 0)
            QCOMPARE(m_ventana->focusWidget(), foco);
        QVERIFY(m_ventana->isVisible());
    }
    QVERIFY(m_dialogos->mensajes().isEmpty());
}

void TestPreferenciasFrm::gameTabKeepsItsSettingsOnlyOnAccept()
{
    QSettings ajustes = enArchivo();
    ajustes.setValue(QStringLiteral("cpu/velocidad"), QStringLiteral("lenta"));
    ajustes.setValue(QStringLiteral("tablero/animaciones"), false);
    ajustes.sync();
    // As the program finds the file when it starts.
    m_ajustes->releer();
    abrir();
    auto *velocidad = m_ventana->findChild<QComboBox *>(QStringLiteral("velocidadCpu"));
    auto *animaciones = m_ventana->findChild<QCheckBox *>(QStringLiteral("animaciones"));
    QVERIFY(velocidad && animaciones);
    QCOMPARE(velocidad->currentText(), QStringLiteral("Lenta"));
    QVERIFY(!animaciones->isChecked());
    QCOMPARE(velocidad->accessibleName(), QStringLiteral("Velocidad de la CPU"));
    velocidad->setCurrentIndex(velocidad->findText(QStringLiteral("Sin pausas")));
    pulsar("cmdCancel");
    ajustes.sync();
    QCOMPARE(ajustes.value(QStringLiteral("cpu/velocidad")).toString(), QStringLiteral("lenta"));

    abrir();
    pulsar("Command1");
    velocidad = m_ventana->findChild<QComboBox *>(QStringLiteral("velocidadCpu"));
    animaciones = m_ventana->findChild<QCheckBox *>(QStringLiteral("animaciones"));
    QCOMPARE(velocidad->currentText(), QStringLiteral("Normal"));
    QVERIFY(animaciones->isChecked());
    velocidad->setCurrentIndex(velocidad->findText(QStringLiteral("Rápida")));
    pulsar("cmdOK");
    ajustes.sync();
    QCOMPARE(ajustes.value(QStringLiteral("cpu/velocidad")).toString(), QStringLiteral("rapida"));
    QCOMPARE(ajustes.value(QStringLiteral("tablero/animaciones")).toBool(), true);
}

// What "Aceptar" keeps is what the board and the CPU read next, announced once per change and
// answered from memory: the file is not read again, even when something else rewrites it.
void TestPreferenciasFrm::acceptedSettingsReachTheirReadersFromMemory()
{
    QSettings ajustes = enArchivo();
    AjustesJuego &enUso = *m_ajustes;
    QSignalSpy cambios(&enUso, &AjustesJuego::cambiado);
    abrir();
    auto *velocidad = m_ventana->findChild<QComboBox *>(QStringLiteral("velocidadCpu"));
    auto *animaciones = m_ventana->findChild<QCheckBox *>(QStringLiteral("animaciones"));
    QVERIFY(velocidad && animaciones);
    velocidad->setCurrentIndex(velocidad->findText(QStringLiteral("Sin pausas")));
    animaciones->setChecked(false);
    QCOMPARE(cambios.count(), 0);
    pulsar("cmdOK");
    QCOMPARE(cambios.count(), 2);
    ajustes.setValue(QStringLiteral("cpu/velocidad"), QStringLiteral("lenta"));
    ajustes.setValue(QStringLiteral("tablero/animaciones"), true);
    ajustes.sync();
    QCOMPARE(enUso.velocidad(), VelocidadCpu::SinPausas);
    QCOMPARE(enUso.animaciones(), false);
    QVERIFY(!ajustes.contains(QStringLiteral("cpu/nivel")));

    // Opening and cancelling changes nothing.
    abrir();
    pulsar("cmdCancel");
    QCOMPARE(cambios.count(), 2);
}

// Each control the Tab key reaches, on both pages, has a name a screen reader
// says, without the '&' of its label.
void TestPreferenciasFrm::everyControlReadsWithItsName()
{
    abrir();
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    int vistos = 0;
    for (int pagina = 0; pagina < tabs->count(); ++pagina) {
        tabs->setCurrentIndex(pagina);
        for (QWidget *w : m_ventana->findChildren<QWidget *>()) {
            if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            const QString nombre
                = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(!nombre.isEmpty(), w->metaObject()->className());
            QVERIFY2(!nombre.contains(QLatin1Char('&')), qPrintable(nombre));
            // A reader says a list's choice from its description, and a choice changed by
            // the keys in a notification of the window.
            if (qobject_cast<QComboBox *>(w)) {
                auto *lista = qobject_cast<ListaConValor *>(w);
                QVERIFY2(lista, qPrintable(nombre));
                lista->setFocus();
                QTRY_VERIFY(lista->hasFocus());
                const bool ultima = lista->currentIndex() == lista->count() - 1;
                QTest::keyClick(lista, ultima ? Qt::Key_Up : Qt::Key_Down);
                QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description),
                         lista->currentText());
                QVERIFY2(lista->aviso() && lista->aviso()->isVisible(), qPrintable(nombre));
                QAccessibleInterface *aviso = QAccessible::queryAccessibleInterface(lista->aviso());
                QCOMPARE(aviso->role(), QAccessible::Notification);
                QCOMPARE(aviso->text(QAccessible::Name), lista->currentText());
            }
            ++vistos;
        }
    }
    QVERIFY(vistos >= 9); // three paths and colour, Default, Aceptar, Cancelar, two lists
}

// The colour, the card back and the application are labels that act as
// buttons: a screen reader must hear a button and be able to press it, and
// hear what it holds rather than the mouse's instructions.
void TestPreferenciasFrm::clickableLabelsAreButtonsToAScreenReader()
{
    abrir();
    for (const char *nombre : { "Label1", "Label5", "Label8" }) {
        auto *etiqueta = m_ventana->findChild<ClickLabel *>(QLatin1String(nombre));
        QVERIFY2(etiqueta, nombre);
        QAccessibleInterface *acc = QAccessible::queryAccessibleInterface(etiqueta);
        QCOMPARE(acc->role(), QAccessible::Button);
        QVERIFY2(!acc->text(QAccessible::Description).contains(QStringLiteral("clic")), nombre);
        QVERIFY(acc->actionInterface());
        QVERIFY(acc->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        disconnect(etiqueta, &ClickLabel::clicked, nullptr, nullptr);
        QSignalSpy pulsada(etiqueta, &ClickLabel::clicked);
        acc->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pulsada.count(), 1);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(ruta("Label8"))->text(QAccessible::Description),
             ruta("Label8")->text());
}

// A label with a letter is the buddy of its control: Alt and the letter go
// there, and a screen reader reads the label with the control.
void TestPreferenciasFrm::labelKeysReachTheirControls()
{
    abrir();
    auto *tabs = m_ventana->findChild<QTabWidget *>(QStringLiteral("tbsOptions"));
    int conLetra = 0;
    for (QLabel *etiqueta : m_ventana->findChildren<QLabel *>()) {
        if (!etiqueta->text().contains(QRegularExpression(QStringLiteral("&\\w"))))
            continue;
        ++conLetra;
        QVERIFY2(etiqueta->buddy(), qPrintable(etiqueta->text()));
    }
    QVERIFY(conLetra >= 4);
    tabs->setCurrentIndex(0);
    m_ventana->findChild<QWidget *>(QStringLiteral("cmdOK"))->setFocus();
    QTest::keyClick(m_ventana.get(), Qt::Key_F, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(),
             m_ventana->findChild<QWidget *>(QStringLiteral("Label1")));
    QTest::keyClick(m_ventana.get(), Qt::Key_R, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), ruta("Label8"));
}

void TestPreferenciasFrm::enterAcceptsAndEscCancels()
{
    abrir();
    auto *aceptar = m_ventana->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(aceptar->isDefault());
    for (QPushButton *boton : m_ventana->findChildren<QPushButton *>())
        QVERIFY2(boton == aceptar || !boton->isDefault(), qPrintable(boton->text()));
    QTest::keyClick(m_ventana.get(), Qt::Key_Escape);
    QVERIFY(!m_ventana->isVisible());
    QCOMPARE(m_ventana->result(), int(QDialog::Rejected));
}

// "Mesa" on the Escritorio tab: Cancelar leaves the table as it was, Aceptar keeps the one
// chosen, "Default" goes back to the classic table.
void TestPreferenciasFrm::tableIsChosenOnTheDesktopTabOnAccept()
{
    QSettings ajustes = enArchivo();
    const AjustesJuego &enUso = *m_ajustes;
    abrir();
    auto *mesa = m_ventana->findChild<QComboBox *>(QStringLiteral("mesa"));
    QVERIFY(mesa);
    QVERIFY(m_ventana->findChild<QWidget *>(QStringLiteral("picOptions0"))->isAncestorOf(mesa));
    QCOMPARE(mesa->currentText(), QStringLiteral("Clásica"));
    QCOMPARE(mesa->accessibleName(), QStringLiteral("Mesa"));
    mesa->setCurrentIndex(mesa->findText(QStringLiteral("Moderna")));
    pulsar("cmdCancel");
    QCOMPARE(enUso.mesa(), TipoMesa::Clasica);
    QVERIFY(!ajustes.contains(QStringLiteral("tablero/mesa")));

    abrir();
    mesa = m_ventana->findChild<QComboBox *>(QStringLiteral("mesa"));
    mesa->setCurrentIndex(mesa->findText(QStringLiteral("Moderna")));
    pulsar("cmdOK");
    ajustes.sync();
    QCOMPARE(enUso.mesa(), TipoMesa::Moderna);
    QCOMPARE(ajustes.value(QStringLiteral("tablero/mesa")).toString(), QStringLiteral("moderna"));

    // Opened again it shows the table in force; "Default" and Aceptar bring the classic back.
    abrir();
    mesa = m_ventana->findChild<QComboBox *>(QStringLiteral("mesa"));
    QCOMPARE(mesa->currentText(), QStringLiteral("Moderna"));
    pulsar("Command1");
    QCOMPARE(mesa->currentText(), QStringLiteral("Clásica"));
    pulsar("cmdOK");
    ajustes.sync();
    QCOMPARE(ajustes.value(QStringLiteral("tablero/mesa")).toString(), QStringLiteral("clasica"));
}

ZELBO_TEST_MAIN(TestPreferenciasFrm)
#include "tst_preferenciasfrm.moc"
