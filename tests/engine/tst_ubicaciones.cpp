// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "archivos.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "mersennerandom.h"
#include "preferencesfile.h"
#include "programadepruebas.h"
#include "testprogramdir.h"
#include "ubicaciones.h"
#include "zelbogame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Archivos;

namespace {

const QByteArray kPorDefecto = "\"Ordenador\"\r\n\"Jugador\"\r\n\"\"\r\n14737632\r\n\"\"\r\n";
const QString kNaipe = QStringLiteral("naipe40.db");
const QString kLastprop = QStringLiteral("lastprop.dat");

// An installed game under a temporary prefix: an empty bin/ for the program,
// the card set and the defaults in share/zelbo, and a player's data folder
// outside the prefix.
class Instalacion
{
public:
    Instalacion()
    {
        QDir raiz(m_raiz.path());
        m_valida = raiz.mkpath(QStringLiteral("usr/bin"))
            && raiz.mkpath(QStringLiteral("usr/share/zelbo"))
            && TestProgramDir::crearNaipe(datos(kNaipe), {}, m_error)
            && escribir(datos(QStringLiteral("pordefect.dat")), kPorDefecto);
    }

    bool valida() const { return m_valida; }
    const QString &error() const { return m_error; }
    QString prefijo() const { return m_raiz.filePath(QStringLiteral("usr")); }
    QString bin() const { return m_raiz.filePath(QStringLiteral("usr/bin")); }
    QString datos(const QString &nombre) const
    {
        return m_raiz.filePath(QStringLiteral("usr/share/zelbo/") + nombre);
    }
    QString usuario() const { return m_raiz.filePath(QStringLiteral("home/.local/share")); }
    QString documentos() const { return m_raiz.filePath(QStringLiteral("home/Documentos")); }
    Ubicaciones ubicaciones() const
    {
        return Ubicaciones::paraPrograma(bin(), usuario(), documentos());
    }

private:
    QTemporaryDir m_raiz;
    QString m_error;
    bool m_valida = false;
};

} // namespace

class TestUbicaciones : public QObject
{
    Q_OBJECT

private slots:
    void cardSetBesideTheProgramKeepsEverythingThere();
    void withoutCardSetDataIsInShareAndFilesInThePlayersFolder();
    void playersFolderFollowsXdgDataHome();
    void firstStartCopiesTheDefaultsOnceAndKeepsThePlayersFile();
    void buildFolderStartWritesNothing();
    void installedGameNeverWritesIntoItsInstallation();
};

void TestUbicaciones::cardSetBesideTheProgramKeepsEverythingThere()
{
    TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    const Ubicaciones u = Ubicaciones::paraPrograma(dir.path(), QStringLiteral("/x/share"),
                                                    QStringLiteral("/x/doc"));
    QVERIFY(!u.instalado());
    QCOMPARE(u.datos(), dir.path());
    QCOMPARE(u.usuario(), dir.path());
    QCOMPARE(u.delUsuario(kLastprop), dir.path() + QStringLiteral("/lastprop.dat"));
    QCOMPARE(u.modulos(), dir.path());
    // From the build folder the file dialogs start where they always did.
    QVERIFY(u.carpetaDeArchivos().isEmpty());
}

void TestUbicaciones::withoutCardSetDataIsInShareAndFilesInThePlayersFolder()
{
    Instalacion inst;
    QVERIFY2(inst.valida(), qPrintable(inst.error()));
    const Ubicaciones u = inst.ubicaciones();
    QVERIFY(u.instalado());
    QCOMPARE(u.datos(), inst.prefijo() + QStringLiteral("/share/zelbo"));
    // where the install puts the sound module
    QCOMPARE(u.modulos(), inst.prefijo() + QStringLiteral("/lib/games/zelbo"));
    QCOMPARE(u.dato(kNaipe), inst.datos(kNaipe));
    QVERIFY(QFile::exists(u.dato(kNaipe)));
    QCOMPARE(u.usuario(), inst.usuario() + QStringLiteral("/zelbo"));
    QCOMPARE(u.delUsuario(kLastprop), inst.usuario() + QStringLiteral("/zelbo/lastprop.dat"));
    QCOMPARE(u.carpetaDeArchivos(), inst.documentos());
}

void TestUbicaciones::playersFolderFollowsXdgDataHome()
{
    Instalacion inst;
    QVERIFY2(inst.valida(), qPrintable(inst.error()));
    const QByteArray antes = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", inst.usuario().toLocal8Bit());
    const Ubicaciones u = Ubicaciones::delSistema(inst.bin());
    if (antes.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", antes);
    QVERIFY(u.instalado());
    QCOMPARE(u.usuario(), inst.usuario() + QStringLiteral("/zelbo"));
}

void TestUbicaciones::firstStartCopiesTheDefaultsOnceAndKeepsThePlayersFile()
{
    Instalacion inst;
    QVERIFY2(inst.valida(), qPrintable(inst.error()));
    const Ubicaciones u = inst.ubicaciones();
    QVERIFY(!QFile::exists(u.usuario()));

    QVERIFY(u.prepararCarpetaDelUsuario());
    QCOMPARE(contenido(u.delUsuario(kLastprop)), kPorDefecto);
    QVERIFY(QFile::permissions(u.delUsuario(kLastprop)) & QFile::WriteOwner);

    const QByteArray propio = "\"Rosa\"\r\n\"Tomas\"\r\n\"\"\r\n255\r\n\"\"\r\n";
    QVERIFY(escribir(u.delUsuario(kLastprop), propio));
    QVERIFY(u.prepararCarpetaDelUsuario());
    QCOMPARE(contenido(u.delUsuario(kLastprop)), propio);
}

void TestUbicaciones::buildFolderStartWritesNothing()
{
    TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    const QStringList antes = listado(dir.path());
    QVERIFY(Ubicaciones::junto(dir.path()).prepararCarpetaDelUsuario());
    QCOMPARE(listado(dir.path()), antes);
}

// The whole life of the installed game: start, a name, the preferences window's
// OK, a saved game to the documents, the end. Only the player's folder and the
// chosen file change; the prefix stays as installed, whoever runs the game.
void TestUbicaciones::installedGameNeverWritesIntoItsInstallation()
{
    Instalacion inst;
    QVERIFY2(inst.valida(), qPrintable(inst.error()));
    const QStringList instalado = listado(inst.prefijo());
    const Ubicaciones u = inst.ubicaciones();
    QVERIFY(u.prepararCarpetaDelUsuario());

    FakeView vista;
    FakeDialogs dialogos;
    MersenneRandom azar(3);
    AjustesJuego ajustes;
    ZelboGame juego(u, vista, dialogos, azar, ajustes);
    juego.iniciar();
    QVERIFY(!juego.terminado());
    // The first start read the shipped defaults: no damaged-file message.
    QVERIFY(dialogos.mensajes().isEmpty());
    QCOMPARE(juego.estado().jugadorCpu.nombre(), QStringLiteral("Ordenador"));

    dialogos.responderTexto(QStringLiteral("Lucía"));
    juego.ordenar(OrdenDelJuego::Nombre);
    Preferencias p = juego.preferencias();
    p.colorFondo = 0x00336699;
    juego.aceptarPreferencias(p);
    QVERIFY(QDir().mkpath(inst.documentos()));
    const QString partida = inst.documentos() + QStringLiteral("/partida.dat");
    dialogos.responderArchivo(partida);
    juego.ordenar(OrdenDelJuego::Guardar);
    juego.ordenar(OrdenDelJuego::Cerrar);

    QVERIFY(juego.terminado());
    QCOMPARE(juego.estadoSalida(), 0);
    QCOMPARE(listado(inst.prefijo()), instalado);
    QVERIFY(QFile::exists(partida));
    PreferenceValues guardadas;
    QVERIFY(PreferencesFile::load(u.delUsuario(kLastprop), guardadas));
    QCOMPARE(guardadas.nombreHumano, QStringLiteral("Lucía"));
    QCOMPARE(guardadas.colorFondo, 0x00336699);
}

ZELBO_TEST_GUILESS_MAIN(TestUbicaciones)
#include "tst_ubicaciones.moc"
