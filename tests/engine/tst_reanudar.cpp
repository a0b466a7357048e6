// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"
#include "fakeview.h"
#include "keptgamekeeper.h"
#include "mersennerandom.h"
#include "programadepruebas.h"
#include "sesionconservada.h"
#include "statisticsfile.h"
#include "testprogramdir.h"
#include "zelbogame.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using Respuesta = DialogService::Respuesta;

namespace {

// The program numbers every game it starts, and so do these sessions.
struct Sesion : SesionConservada
{
    Sesion(const QString &programa, const QString &carpeta, std::uint64_t semilla,
           MersenneRandom &azarHumano)
        : SesionConservada(programa, carpeta, semilla, azarHumano, Numeracion::ComoElPrograma)
    {
    }
};

const QString kHumano = QStringLiteral("Begoña");
const QString kContinuar = QStringLiteral("¿Continuar la partida anterior?");

QByteArray leerArchivo(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Changes the one entry of the side file of the kept game in carpeta.
bool reescribirEntrada(const QString &carpeta, const std::function<void(QJsonObject &)> &cambio)
{
    const KeptGameStore almacen(carpeta);
    QJsonObject lado = QJsonDocument::fromJson(leerArchivo(almacen.sidePath())).object();
    const QJsonArray entradas = lado.value(QStringLiteral("partidas")).toArray();
    if (entradas.size() != 1)
        return false;
    QJsonObject entrada = entradas.first().toObject();
    cambio(entrada);
    lado.insert(QStringLiteral("partidas"), QJsonArray { entrada });
    QFile f(almacen.sidePath());
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && f.write(QJsonDocument(lado).toJson()) > 0;
}

// A game played past its first hand's end, then Salir; its position as "Guardar" writes it.
QByteArray jugarYSalir(const QString &programa, const QString &carpeta, MersenneRandom &azarHumano)
{
    Sesion s(programa, carpeta, 21, azarHumano);
    s.juego.iniciar();
    while (s.vista.resultadosMano().isEmpty())
        s.humano.jugar();
    s.humano.jugar();
    s.juego.ordenar(OrdenDelJuego::Cerrar);
    return s.guardado();
}

} // namespace

// A game taken up after a restart is the game that was left: its undo and redo, its
// history, the names shown and its number. A game nobody moved in is not offered.
class TestReanudar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void resumeKeepsUndoHistoryNamesAndNumber_data();
    void resumeKeepsUndoHistoryNamesAndNumber();
    void gameWithoutAMoveIsNotKept();
    void gameKeptByTheEarlierReleaseResumes();
    void damagedUndoHistoryIsLeftOut_data();
    void damagedUndoHistoryIsLeftOut();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestReanudar::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
}

// A rename is saved in the preferences at once: each test starts from the same names.
void TestReanudar::init()
{
    QVERIFY(m_dir->escribirPreferencias(QStringLiteral("Máquina"), kHumano));
}

void TestReanudar::resumeKeepsUndoHistoryNamesAndNumber_data()
{
    QTest::addColumn<bool>("renombrar");
    QTest::addColumn<bool>("salir");
    QTest::newRow("heading untouched, Salir") << false << true;
    QTest::newRow("renamed, killed") << true << false;
}

// Played past a hand's end and cut; after Sí, undo walks back through every position of
// the first run to the game's first one, across the hand's end and the restart, and redo
// forward again; the history and the number are the first run's.
void TestReanudar::resumeKeepsUndoHistoryNamesAndNumber()
{
    QFETCH(bool, renombrar);
    QFETCH(bool, salir);
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(41);
    QList<QByteArray> posiciones;
    QStringList historial;
    QStringList nombres;
    int numero = 0;
    {
        Sesion s(m_dir->path(), carpeta.path(), 12, azarHumano);
        s.juego.iniciar();
        if (renombrar) {
            s.dialogos.responderTexto(QStringLiteral("Nerea"));
            s.juego.ordenar(OrdenDelJuego::Nombre);
        }
        for (int extra = 0; extra < 3; extra += s.vista.resultadosMano().isEmpty() ? 0 : 1) {
            posiciones.append(s.guardado());
            s.humano.jugar();
        }
        posiciones.append(s.guardado());
        historial = s.juego.historial();
        nombres = s.vista.nombresMostrados();
        numero = s.juego.numeroPartida();
        if (salir)
            s.juego.ordenar(OrdenDelJuego::Cerrar);
    }
    QVERIFY(numero > 0);
    QCOMPARE(nombres, renombrar ? QStringList { QStringLiteral("Nerea") } : QStringList());

    Sesion s(m_dir->path(), carpeta.path(), 99, azarHumano);
    s.dialogos.responder(Respuesta::Yes);
    s.juego.iniciar();
    QVERIFY(s.dialogos.textos().contains(kContinuar));
    QCOMPARE(s.guardado(), posiciones.last());
    QCOMPARE(s.juego.numeroPartida(), numero);
    QCOMPARE(s.juego.historial(), historial);
    QCOMPARE(s.vista.nombresMostrados(), nombres);
    for (qsizetype i = posiciones.size() - 2; i >= 0; --i) {
        QVERIFY2(s.juego.puedeDeshacer(), qPrintable(QString::number(i)));
        s.juego.ordenar(OrdenDelJuego::Deshacer);
        QVERIFY2(s.guardado() == posiciones.at(i), qPrintable(QString::number(i)));
    }
    QVERIFY(!s.juego.puedeDeshacer());
    QCOMPARE(s.juego.historial().mid(0, 2),
             (QStringList { QStringLiteral("Partida %1").arg(numero), QStringLiteral("Mano 1") }));
    for (qsizetype i = 1; i < posiciones.size(); ++i) {
        s.juego.ordenar(OrdenDelJuego::Rehacer);
        QVERIFY2(s.guardado() == posiciones.at(i), qPrintable(QString::number(i)));
    }
    QVERIFY(!s.juego.puedeRehacer());
    QCOMPARE(s.juego.historial(), historial);
}

// Start, quit without a move, start again: a new game and no question, nothing counted.
void TestReanudar::gameWithoutAMoveIsNotKept()
{
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(3);
    {
        Sesion s(m_dir->path(), carpeta.path(), 5, azarHumano);
        s.juego.iniciar();
        s.juego.ordenar(OrdenDelJuego::Cerrar);
        QVERIFY(s.juego.terminado());
    }
    QVERIFY(!QFile::exists(KeptGameStore(carpeta.path()).datPath()));
    Sesion s(m_dir->path(), carpeta.path(), 6, azarHumano);
    s.juego.iniciar();
    QVERIFY(!s.dialogos.textos().contains(kContinuar));
    QCOMPARE(s.juego.estado().cartasRepartidas, std::uint8_t { 10 });
    QCOMPARE(StatisticsFile(carpeta.path()).load().statistics.record().partidas, 0);
}

// The side file as the earlier release wrote it: no hand, no heading, no mark, an empty
// undo history. The game still resumes, in the hand that followed the last one ended.
void TestReanudar::gameKeptByTheEarlierReleaseResumes()
{
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(8);
    const QByteArray posicion = jugarYSalir(m_dir->path(), carpeta.path(), azarHumano);
    QVERIFY(reescribirEntrada(carpeta.path(), [](QJsonObject &entrada) {
        for (const char *nuevo : { "mano", "abandonada", "nombre_marcador" }) {
            QVERIFY2(entrada.contains(QLatin1String(nuevo)), nuevo);
            entrada.remove(QLatin1String(nuevo));
        }
        entrada.insert(QStringLiteral("deshacer"), QString());
    }));
    if (QTest::currentTestFailed())
        return;

    Sesion s(m_dir->path(), carpeta.path(), 22, azarHumano);
    s.dialogos.responder(Respuesta::Yes);
    s.juego.iniciar();
    QVERIFY(s.dialogos.textos().contains(kContinuar));
    QVERIFY(!s.dialogos.textos().contains(QStringLiteral("Error leyendo archivo")));
    QCOMPARE(s.guardado(), posicion);
    QCOMPARE(s.juego.estado().numeroDeMano, 2);
    QVERIFY(!s.juego.puedeDeshacer());
    // That release put the player's name over the score on resuming.
    QCOMPARE(s.vista.nombresMostrados(), QStringList { kHumano });
    s.humano.jugar();
    QVERIFY(s.juego.puedeDeshacer());
}

void TestReanudar::damagedUndoHistoryIsLeftOut_data()
{
    QTest::addColumn<QByteArray>("historial");
    QTest::newRow("not compressed") << QByteArray("{\"fotos\": []}");
    QTest::newRow("a size beyond reason") << QByteArray("\xff\xff\xff\xf0xyz");
    QTest::newRow("a position that is no game")
        << qCompress(R"({"actual":0,"azares":["x"],"lineas":[],"fotos":[{"partida":"MQ==",
                     "turno":1,"ultimo":0,"mano":1,"azar":0,"lineas":0}]})");
    QTest::newRow("current position out of range")
        << qCompress(R"({"actual":3,"azares":[],"lineas":[],"fotos":[]})");
}

// The position is whole, only the undo history is not: the game resumes without it.
void TestReanudar::damagedUndoHistoryIsLeftOut()
{
    QFETCH(QByteArray, historial);
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(8);
    const QByteArray posicion = jugarYSalir(m_dir->path(), carpeta.path(), azarHumano);
    QVERIFY(reescribirEntrada(carpeta.path(), [&historial](QJsonObject &entrada) {
        entrada.insert(QStringLiteral("deshacer"), QString::fromLatin1(historial.toBase64()));
    }));
    Sesion s(m_dir->path(), carpeta.path(), 22, azarHumano);
    s.dialogos.responder(Respuesta::Yes);
    s.juego.iniciar();
    QCOMPARE(s.guardado(), posicion);
    QVERIFY(!s.juego.puedeDeshacer());
    QVERIFY(!s.juego.terminado());
    s.humano.jugar();
    QVERIFY(s.juego.puedeDeshacer());
}

ZELBO_TEST_GUILESS_MAIN(TestReanudar)
#include "tst_reanudar.moc"
