// SPDX-License-Identifier: GPL-3.0-or-later

#include "archivos.h"
#include "posicion.h"
#include "preferencesfile.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Archivos;
using namespace Naipes;
using Respuesta = DialogService::Respuesta;

namespace {

const QString kPropiedadesDanadas
    = QStringLiteral("El archivo de propiedades no existe o esta dañado");
const QString kPreferenciasSinGuardar = QStringLiteral("No se pudieron guardar las preferencias");

// The end of a hand that ends the game: the human's last card goes on the own
// pile and the CPU's larger pile wins its third point.
Posicion finDePartida()
{
    Posicion p;
    p.humano = { oros(1) };
    p.pilaCpu = { copas(3) };
    p.pilaHumano = { bastos(8) };
    p.tamPilaCpu = 21;
    p.tamPilaHumano = 18;
    p.puntosCpu = 2;
    p.nombreCpu = QStringLiteral("Rosa");
    p.nombreHumano = QStringLiteral("Tomas");
    return p;
}

enum class Salida { MenuSalir, CerrarVentana, NoJugarMas };

} // namespace

Q_DECLARE_METATYPE(Salida)

// The preferences file as the game reads it at every new game and writes it
// on every way out.
class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void damagedPreferencesApplyUpToTheFault_data();
    void damagedPreferencesApplyUpToTheFault();
    void everyExitPathSavesPreferences_data();
    void everyExitPathSavesPreferences();
    void programReadsBackAsChosen_data();
    void programReadsBackAsChosen();
};

void TestPreferences::damagedPreferencesApplyUpToTheFault_data()
{
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QStringList>("textos"); // the two names, the program and the card back
    QTest::addColumn<qint32>("color");
    QTest::addColumn<bool>("aviso");

    const QByteArray nombres = "\"Lola\"\r\n\"Pepe\"\r\n";
    const QByteArray programa = "\"/usr/bin/nuevo\"\r\n";
    const QByteArray reverso = "\"/reversos/nuevo.jpg\"\r\n";
    const QStringList nuevos { "Lola", "Pepe", "/usr/bin/nuevo", "/reversos/nuevo.jpg" };
    // A damaged file never gives the program that "Run" starts, though it was read.
    const QStringList hastaElColor { "Lola", "Pepe", "/usr/bin/viejo", "/reversos/viejo.jpg" };
    const QStringList soloNombres = hastaElColor;
    const QStringList viejos { "Rosa", "Tomas", "/usr/bin/viejo", "/reversos/viejo.jpg" };
    const qint32 colorNuevo = 0x00445566;
    const qint32 colorViejo = 0x00112233;

    QTest::newRow("all five, then lines that are not read")
        << nombres + programa + "4478310\r\n" + reverso + "\"de sobra\"\r\nbasura\r\n"
        << true << nuevos << colorNuevo << false;
    QTest::newRow("colour not a number") << nombres + programa + "\"azul\"\r\n" + reverso << true
                                         << hastaElColor << colorViejo << true;
    QTest::newRow("colour beyond 32 bits") << nombres + programa + "4294967296\r\n" + reverso
                                           << true << hastaElColor << colorViejo << true;
    QTest::newRow("two lines") << nombres << true << soloNombres << colorViejo << true;
    QTest::newRow("empty file") << QByteArray() << true << viejos << colorViejo << true;
    QTest::newRow("missing file") << QByteArray() << false << viejos << colorViejo << true;
}

// lastprop.dat is read again at every new game; what it held before its fault
// is applied, but for the program, and the rest stays as the running game had it.
void TestPreferences::damagedPreferencesApplyUpToTheFault()
{
    QFETCH(QByteArray, archivo);
    QFETCH(bool, existe);
    QFETCH(QStringList, textos);
    QFETCH(qint32, color);
    QFETCH(bool, aviso);

    TestGame t(6);
    QVERIFY(t.valido());
    const QString lastprop = t.dir().ruta(QStringLiteral("lastprop.dat"));
    PreferenceValues viejas;
    viejas.nombreCpu = QStringLiteral("Rosa");
    viejas.nombreHumano = QStringLiteral("Tomas");
    viejas.aplicacion = QStringLiteral("/usr/bin/viejo");
    viejas.colorFondo = 0x00112233;
    viejas.reverso = QStringLiteral("/reversos/viejo.jpg");
    QVERIFY(PreferencesFile::save(lastprop, viejas));
    t.iniciar();
    QVERIFY(t.dialogos().mensajes().isEmpty());
    QVERIFY(QFile::remove(lastprop));
    if (existe)
        QVERIFY(escribir(lastprop, archivo));
    t.limpiar();

    t.juego().ordenar(OrdenDelJuego::Nuevo);
    QCOMPARE(t.estado().jugadorCpu.nombre(), textos[0]);
    QCOMPARE(t.estado().jugadorHumano.nombre(), textos[1]);
    QCOMPARE(t.juego().preferencias().aplicacion, textos[2]);
    QCOMPARE(t.juego().preferencias().reverso, textos[3]);
    QCOMPARE(t.juego().preferencias().colorFondo, color);
    // What the player sees of them: the window's colour, the card back, the caption.
    QVERIFY(!t.vista().coloresAplicados().isEmpty());
    QCOMPARE(t.vista().coloresAplicados().last(), color);
    QCOMPARE(t.vista().reversosPedidos(), QStringList { textos[3] });
    QCOMPARE(t.vista().carteles().last(), QStringLiteral("Juega ") + textos[1]);
    if (aviso) {
        QCOMPARE(t.dialogos().mensajes().size(), 1);
        const FakeDialogs::Mensaje &m = t.dialogos().mensajes().first();
        QCOMPARE(m.texto, kPropiedadesDanadas);
        QCOMPARE(m.titulo, QStringLiteral("Hubo un error"));
        QCOMPARE(m.botones, DialogService::Botones::Ok);
        QCOMPARE(m.icono, DialogService::Icono::Critico);
    } else {
        QVERIFY(t.dialogos().mensajes().isEmpty());
    }
    QCOMPARE(t.estado().cartasRepartidas, 10);
}

void TestPreferences::everyExitPathSavesPreferences_data()
{
    QTest::addColumn<Salida>("salida");
    QTest::addColumn<bool>("falla");

    const QList<QPair<const char *, Salida>> salidas {
        { "quit from the menu", Salida::MenuSalir },
        { "window closed", Salida::CerrarVentana },
        { "no to playing again", Salida::NoJugarMas },
    };
    for (const auto &[nombre, salida] : salidas) {
        QTest::addRow("%s", nombre) << salida << false;
        QTest::addRow("%s, preferences cannot be saved", nombre) << salida << true;
    }
}

void TestPreferences::everyExitPathSavesPreferences()
{
    QFETCH(Salida, salida);
    QFETCH(bool, falla);

    TestGame t(7);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(finDePartida()));
    // Preferences changed in memory only: the names from the loaded game, and
    // the others as a cancelled preferences window leaves them.
    Preferencias otras;
    otras.aplicacion = QStringLiteral("/usr/bin/otro programa");
    otras.colorFondo = -2147483633;
    otras.reverso = QStringLiteral("/reversos/otro.jpg");
    t.juego().restaurarPreferencias(QStringLiteral("Rosa"), QStringLiteral("Tomas"), otras);
    const QString lastprop = t.dir().ruta(QStringLiteral("lastprop.dat"));
    if (falla) {
        QVERIFY(QFile::remove(lastprop));
        QVERIFY(QDir(t.dir().path()).mkdir(QStringLiteral("lastprop.dat")));
    }

    switch (salida) {
    case Salida::MenuSalir:
        t.dialogos().responder(Respuesta::Ok);
        t.juego().ordenar(OrdenDelJuego::Salir);
        break;
    case Salida::CerrarVentana:
        t.juego().ordenar(OrdenDelJuego::Cerrar);
        break;
    case Salida::NoJugarMas:
        t.dialogos().responder(Respuesta::No);
        t.juego().intentar(Intento::alMonton(0));
        break;
    }
    QCOMPARE(t.vista().salida(), std::optional<int>(0));
    QVERIFY(t.juego().terminado());
    QCOMPARE(t.registro().last(), QStringLiteral("Salir 0"));
    const QStringList textos = t.dialogos().textos();
    if (salida == Salida::MenuSalir)
        QCOMPARE(textos.first(), QStringLiteral("¿Salir del juego?"));
    if (salida == Salida::CerrarVentana)
        QVERIFY(!textos.contains(QStringLiteral("¿Salir del juego?")));
    if (falla) {
        QCOMPARE(textos.count(kPreferenciasSinGuardar), 1);
        QVERIFY(t.dialogos().mensajes().last().esAviso(kPreferenciasSinGuardar,
                                                       DialogService::Icono::Critico));
        QCOMPARE(t.registro().at(t.registro().size() - 2),
                 QStringLiteral("mensaje ") + kPreferenciasSinGuardar);
        return;
    }
    QVERIFY(!textos.contains(kPreferenciasSinGuardar));
    PreferenceValues guardadas;
    QVERIFY(PreferencesFile::load(lastprop, guardadas));
    QCOMPARE(guardadas.nombreCpu, QStringLiteral("Rosa"));
    QCOMPARE(guardadas.nombreHumano, QStringLiteral("Tomas"));
    QCOMPARE(guardadas.aplicacion, otras.aplicacion);
    QCOMPARE(guardadas.colorFondo, otras.colorFondo);
    QCOMPARE(guardadas.reverso, otras.reverso);
}

void TestPreferences::programReadsBackAsChosen_data()
{
    QTest::addColumn<QString>("elegido");
    QTest::addColumn<QByteArray>("linea"); // the third line of lastprop.dat, as written
    QTest::addColumn<QByteArray>("aMano"); // that line edited by hand afterwards, or none
    QTest::addColumn<QString>("leido");

    const QString sencillo = QStringLiteral("/opt/mi programa");
    const QString comillas = QStringLiteral("/opt/\"mi\" programa");
    const QString cirilico = QString::fromUtf8("/opt/программа");
    const QByteArray conApostrofos = "\"/opt/'mi' programa\"";
    QTest::newRow("a plain path") << sencillo << QByteArray("\"/opt/mi programa\"") << QByteArray()
                                  << sencillo;
    QTest::newRow("double quotes") << comillas << conApostrofos << QByteArray() << comillas;
    QTest::newRow("letters the file's code lacks")
        << cirilico << QByteArray("\"/opt/?????????\"") << QByteArray() << cirilico;
    QTest::newRow("edited by hand since")
        << comillas << conApostrofos << QByteArray("\"/opt/otro\"") << QStringLiteral("/opt/otro");
}

// The program picked in Opciones is the one the next game reads back, while
// lastprop.dat keeps writing it as its format always did.
void TestPreferences::programReadsBackAsChosen()
{
    QFETCH(QString, elegido);
    QFETCH(QByteArray, linea);
    QFETCH(QByteArray, aMano);
    QFETCH(QString, leido);

    TestGame t(6);
    QVERIFY(t.valido());
    t.iniciar();
    Preferencias p = t.juego().preferencias();
    p.aplicacion = elegido;
    t.juego().aceptarPreferencias(p);
    const QString lastprop = t.dir().ruta(QStringLiteral("lastprop.dat"));
    QList<QByteArray> lineas = contenido(lastprop).split('\n');
    QCOMPARE(lineas.value(2), linea + '\r');
    if (!aMano.isEmpty()) {
        lineas[2] = aMano + '\r';
        QVERIFY(escribir(lastprop, lineas.join('\n')));
    }

    t.juego().ordenar(OrdenDelJuego::Nuevo);
    QCOMPARE(t.juego().preferencias().aplicacion, leido);
}

ZELBO_TEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
