// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "instanciaunica.h"
#include "programadepruebas.h"
#include "rutadeprueba.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Resultado = InstanciaUnica::Resultado;

class TestInstancia : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void segundoInicioAvisaAlPrimeroYTermina();
    void juegoMatadoDejaSuSitioAlSiguiente();
    void cerrojoQueNoRespondeNoDejaEmpezarOtro();
    void cerrojoSinJuegoQueResponda_data();
    void cerrojoSinJuegoQueResponda();
    void programaRealPasaSuPeticionSinAbrirOtroJuego();
    void ventanaVieneAlFrenteYJuegaLaPartidaPedida();

private:
    QString carpeta() const { return m_dir->filePath(QStringLiteral("datos/zelbo")); }
    QString servidor() const { return m_dir->filePath(QStringLiteral("s")); }
    QString cerrojo() const { return servidor() + QStringLiteral(".lock"); }
    static QByteArray linea(QProcess &proceso);
    static int ejecutar(const QStringList &argumentos, QByteArray *salida = nullptr);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestInstancia::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray TestInstancia::linea(QProcess &proceso)
{
    while (!proceso.canReadLine() && proceso.waitForReadyRead(10000)) { }
    return proceso.readLine().trimmed();
}

// The real program with this test's data and runtime folders.
int TestInstancia::ejecutar(const QStringList &argumentos, QByteArray *salida)
{
    QProcess zelbo;
    zelbo.start(rutaDePrueba("ZELBO_PROGRAMA"), argumentos);
    if (!zelbo.waitForFinished(20000)) {
        zelbo.kill();
        zelbo.waitForFinished();
        return -1;
    }
    if (salida)
        *salida = zelbo.readAllStandardOutput();
    return zelbo.exitStatus() == QProcess::NormalExit ? zelbo.exitCode() : -1;
}

void TestInstancia::segundoInicioAvisaAlPrimeroYTermina()
{
    InstanciaUnica primera(servidor());
    QCOMPARE(primera.empezar(std::nullopt), Resultado::Primera);
    QSignalSpy activar(&primera, &InstanciaUnica::activar);
    QSignalSpy partidas(&primera, &InstanciaUnica::partidaPedida);

    InstanciaUnica segunda(servidor());
    QCOMPARE(segunda.empezar(std::nullopt), Resultado::Avisada);
    QTRY_COMPARE(activar.count(), 1);
    QCOMPARE(partidas.count(), 0);

    InstanciaUnica tercera(servidor());
    QCOMPARE(tercera.empezar(7), Resultado::Avisada);
    QTRY_COMPARE(partidas.count(), 1);
    QCOMPARE(partidas.at(0).at(0).toInt(), 7);
    QCOMPARE(activar.count(), 2);
}

// A killed game leaves its lock file and its socket: the next start plays, and answers.
void TestInstancia::juegoMatadoDejaSuSitioAlSiguiente()
{
    QProcess juego;
    juego.start(rutaDePrueba("INSTANCIAPRUEBA"), { servidor() });
    QCOMPARE(linea(juego), QByteArray("primera"));
    InstanciaUnica otra(servidor());
    QCOMPARE(otra.empezar(5), Resultado::Avisada);
    QCOMPARE(linea(juego), QByteArray("activar"));
    QCOMPARE(linea(juego), QByteArray("partida 5"));
    juego.kill();
    QVERIFY(juego.waitForFinished());
    QVERIFY(QFile::exists(cerrojo()));
    QVERIFY(QFile::exists(servidor()));

    InstanciaUnica siguiente(servidor());
    QCOMPARE(siguiente.empezar(std::nullopt), Resultado::Primera);
    QSignalSpy partidas(&siguiente, &InstanciaUnica::partidaPedida);
    InstanciaUnica despues(servidor());
    QCOMPARE(despues.empezar(3), Resultado::Avisada);
    QTRY_COMPARE(partidas.count(), 1);
    QCOMPARE(partidas.at(0).at(0).toInt(), 3);
}

// A game that holds the lock but does not answer still keeps a second one from playing.
void TestInstancia::cerrojoQueNoRespondeNoDejaEmpezarOtro()
{
    QLockFile tomado(cerrojo());
    QVERIFY(tomado.tryLock(0));
    InstanciaUnica otra(servidor());
    QElapsedTimer reloj;
    reloj.start();
    QCOMPARE(otra.empezar(4), Resultado::SinRespuesta);
    QVERIFY(reloj.elapsed() < 15000);
}

// A lock that no running game of this machine answers for is taken over, or at least does
// not stop the game for good: the start plays, and the one after it finds it.
void TestInstancia::cerrojoSinJuegoQueResponda_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<bool>("carpeta");
    QTest::addColumn<bool>("ilegible");
    const QByteArray vivo = QByteArray::number(QCoreApplication::applicationPid());
    QTest::newRow("empty, a power cut") << QByteArray() << false << false;
    QTest::newRow("garbage") << QByteArray("\x01\xff no es un cerrojo") << false << false;
    QTest::newRow("mode 000") << QByteArray("sin leer") << false << true;
    QTest::newRow("another machine") << vivo + "\nzelbo\notra-maquina-7\n" << false << false;
    QTest::newRow("a folder") << QByteArray() << true << false;
}

void TestInstancia::cerrojoSinJuegoQueResponda()
{
    QFETCH(QByteArray, contenido);
    QFETCH(bool, carpeta);
    QFETCH(bool, ilegible);
    if (carpeta) {
        QVERIFY(QDir().mkpath(cerrojo()));
    } else {
        QFile f(cerrojo());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenido);
        f.close();
        if (ilegible)
            QVERIFY(f.setPermissions({}));
    }
    InstanciaUnica primera(servidor());
    QCOMPARE(primera.empezar(std::nullopt), Resultado::Primera);
    QSignalSpy partidas(&primera, &InstanciaUnica::partidaPedida);
    InstanciaUnica segunda(servidor());
    QCOMPARE(segunda.empezar(6), Resultado::Avisada);
    QTRY_COMPARE(partidas.count(), 1);
}

// `zelbo`, `zelbo --partida N`, `--help` and `--version` beside a running game: the first two
// reach it, the last two print and leave the lock alone; none of them opens a game.
void TestInstancia::programaRealPasaSuPeticionSinAbrirOtroJuego()
{
    const QString runtime = m_dir->filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(
        runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    const QByteArray antes = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray datosAntes = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_dir->filePath(QStringLiteral("datos")).toLocal8Bit());
    const auto restaurar = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", antes);
        qputenv("XDG_DATA_HOME", datosAntes);
    });

    QByteArray salida;
    QCOMPARE(ejecutar({ QStringLiteral("--version") }, &salida), 0);
    QVERIFY(!salida.isEmpty());
    const QString cerrojoReal = InstanciaUnica::servidorDe(carpeta()) + QStringLiteral(".lock");
    QVERIFY(!QFile::exists(cerrojoReal));

    auto primera = std::make_unique<InstanciaUnica>(InstanciaUnica::servidorDe(carpeta()));
    QCOMPARE(primera->empezar(std::nullopt), Resultado::Primera);
    QSignalSpy activar(primera.get(), &InstanciaUnica::activar);
    QSignalSpy partidas(primera.get(), &InstanciaUnica::partidaPedida);

    QCOMPARE(ejecutar({ QStringLiteral("--partida"), QStringLiteral("12") }), 0);
    QTRY_COMPARE(partidas.count(), 1);
    QCOMPARE(partidas.at(0).at(0).toInt(), 12);
    QCOMPARE(ejecutar({}), 0);
    QTRY_COMPARE(activar.count(), 2);

    QCOMPARE(ejecutar({ QStringLiteral("--help") }, &salida), 0);
    QVERIFY(salida.contains("--partida"));
    QCOMPARE(ejecutar({ QStringLiteral("--version") }), 0);
    QTest::qWait(200);
    QCOMPARE(activar.count(), 2);
    QCOMPARE(partidas.count(), 1);
    // None of the starts wrote a game file; the lock lives beside the socket.
    QVERIFY(QFile::exists(cerrojoReal));
    QCOMPARE(QDir(carpeta()).entryList(QDir::Files), QStringList());
}

void TestInstancia::ventanaVieneAlFrenteYJuegaLaPartidaPedida()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    ZelboFrm &ventana = f.ventana();
    QVERIFY(ventana.juego().numeroPartida() != 9);

    ventana.showMinimized();
    QDialog abierto(&ventana);
    abierto.setModal(true);
    abierto.show();
    QWidget otra;
    otra.show();
    otra.activateWindow();
    QTRY_VERIFY(otra.isActiveWindow());
    ventana.traerAlFrente();
    QVERIFY(!(ventana.windowState() & Qt::WindowMinimized));
    QTRY_VERIFY(abierto.isActiveWindow());

    // Not under an open dialog: the game waits until it is closed.
    ventana.pedirPartida(9);
    QTest::qWait(500);
    QVERIFY(ventana.juego().numeroPartida() != 9);
    abierto.close();
    QTRY_COMPARE(ventana.juego().numeroPartida(), 9);
    QCOMPARE(f.estado().jugadorHumano.puntos(), 0);
}

ZELBO_TEST_MAIN(TestInstancia)
#include "tst_instancia.moc"
