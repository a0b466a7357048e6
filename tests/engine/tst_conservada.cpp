// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakedialogs.h"
#include "fakeview.h"
#include "keptgamekeeper.h"
#include "mersennerandom.h"
#include "partidaguardada.h"
#include "programadepruebas.h"
#include "sesionconservada.h"
#include "statisticsfile.h"
#include "testprogramdir.h"
#include "zelbogame.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Respuesta = DialogService::Respuesta;

namespace {

using Sesion = SesionConservada;

const QString kHumano = QStringLiteral("Begoña");

struct Cuenta
{
    int ganadas = 0, perdidas = 0, manosGanadas = 0, manosPerdidas = 0, manosEmpatadas = 0;
    int racha = 0, rachaMasLarga = 0;
};

// What the player saw: the hands announced and the games' winners.
void anotar(Cuenta &c, const FakeView &vista)
{
    for (const ResultadoDeMano &m : vista.resultadosMano()) {
        if (m.humano > m.cpu)
            ++c.manosGanadas;
        else if (m.humano < m.cpu)
            ++c.manosPerdidas;
        else
            ++c.manosEmpatadas;
    }
    for (const FakeView::Resultado &r : vista.resultados()) {
        const bool gano = r.nombre == kHumano;
        c.ganadas += gano;
        c.perdidas += !gano;
        c.racha = gano ? c.racha + 1 : 0;
        c.rachaMasLarga = std::max(c.rachaMasLarga, c.racha);
    }
}

Statistics leer(const QString &carpeta)
{
    return StatisticsFile(carpeta).load().statistics;
}

} // namespace

// The game kept between runs and counted when it ends, played through the real engine.
class TestConservada : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeGamesAreCounted_data();
    void wholeGamesAreCounted();
    void abandonedGameCountsOnlyAfterAMove();
    void gameKeptOnQuittingCountsOnce();
    void resumedGameIsTheKeptOneAndPlaysOnAlike_data();
    void resumedGameIsTheKeptOneAndPlaysOnAlike();
    void damagedKeptGameStartsANewGame();
    void damagedStatisticsAreToldOnce();
    void filesThatCannotBeWrittenAreToldOnceEach();
    void handLeftByNuevoAfterAMoveIsAbandoned();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestConservada::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
    QVERIFY(m_dir->escribirPreferencias(QStringLiteral("Máquina"), kHumano));
}

void TestConservada::wholeGamesAreCounted_data()
{
    QTest::addColumn<quint64>("semilla");
    QTest::addColumn<int>("partidas");
    QTest::newRow("seed 1, 6 games") << quint64 { 1 } << 6;
    QTest::newRow("seed 9, 8 games") << quint64 { 9 } << 8;
}

// Several games in a row, Sí to playing again but the last: every game and hand the player
// was shown is counted once, with the streaks, and nothing is left to resume.
void TestConservada::wholeGamesAreCounted()
{
    QFETCH(quint64, semilla);
    QFETCH(int, partidas);
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(~semilla);
    Sesion s(m_dir->path(), carpeta.path(), semilla, azarHumano);
    for (int i = 1; i < partidas; ++i)
        s.dialogos.responder(Respuesta::Yes);
    s.dialogos.responder(Respuesta::No);
    s.juego.iniciar();
    while (s.humano.puedeJugar())
        s.humano.jugar();
    QVERIFY(s.juego.terminado());
    QCOMPARE(s.vista.resultados().size(), partidas);

    Cuenta c;
    anotar(c, s.vista);
    const Statistics st = leer(carpeta.path());
    for (const QString &jugador : { kHumano, QString() }) {
        const StatsRecord r = st.record(jugador, Statistics::kNormal);
        QCOMPARE(r.partidas, partidas);
        QCOMPARE(r.ganadas, c.ganadas);
        QCOMPARE(r.perdidas, c.perdidas);
        QCOMPARE(r.abandonadas, 0);
        QCOMPARE(r.manosGanadas, c.manosGanadas);
        QCOMPARE(r.manosPerdidas, c.manosPerdidas);
        QCOMPARE(r.manosEmpatadas, c.manosEmpatadas);
        QCOMPARE(r.rachaActual, c.racha);
        QCOMPARE(r.rachaMasLarga, c.rachaMasLarga);
        QCOMPARE(st.record(jugador), r);
    }
    QCOMPARE(st.record(kHumano, Statistics::kDificil).partidas, 0);
    QVERIFY(!QFile::exists(s.conservada.almacen().datPath()));
}

// Abrir ends the game in progress: abandoned once the human has moved, not counted before.
void TestConservada::abandonedGameCountsOnlyAfterAMove()
{
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(5);
    Sesion s(m_dir->path(), carpeta.path(), 5, azarHumano);
    s.juego.setPartidaInicial(4321);
    s.juego.iniciar();
    const QString fichero = carpeta.filePath(QStringLiteral("otra.dat"));
    QVERIFY(s.juego.GuardarJuego(fichero));
    s.dialogos.responderArchivo(fichero);
    s.juego.ordenar(OrdenDelJuego::Abrir);
    QCOMPARE(leer(carpeta.path()).record().partidas, 0);

    s.humano.jugar();
    s.dialogos.responderArchivo(fichero);
    s.juego.ordenar(OrdenDelJuego::Abrir);
    const StatsRecord r = leer(carpeta.path()).record(kHumano);
    QCOMPARE(r.partidas, 1);
    QCOMPARE(r.abandonadas, 1);
    QCOMPARE(r.rachaActual, 0);
    // The game opened is the one in progress now, without a number (a saved game holds
    // none), and kept as such once the human moved in it.
    QCOMPARE(s.juego.numeroPartida(), 0);
    QCOMPARE(s.conservada.almacen().load().status, KeptGameStore::Status::None);
    s.humano.jugar();
    const KeptGameStore::Loaded k = s.conservada.almacen().load();
    QCOMPARE(k.status, KeptGameStore::Status::Found);
    QVERIFY(k.game->partida == PartidaGuardada::desdeEstado(s.juego.estado()));
    QCOMPARE(k.game->numeroPartida, 0);
}

// Salir after some hands keeps the game uncounted; finished after a restart it counts once,
// with the hands of both runs.
void TestConservada::gameKeptOnQuittingCountsOnce()
{
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(77);
    Cuenta c;
    {
        Sesion s(m_dir->path(), carpeta.path(), 7, azarHumano);
        s.juego.iniciar();
        while (s.vista.resultadosMano().size() < 2)
            s.humano.jugar();
        s.juego.ordenar(OrdenDelJuego::Salir);
        QVERIFY(s.juego.terminado());
        anotar(c, s.vista);
    }
    QCOMPARE(leer(carpeta.path()).record().partidas, 0);
    {
        Sesion s(m_dir->path(), carpeta.path(), 8, azarHumano);
        s.dialogos.responder(Respuesta::Yes);
        s.dialogos.responder(Respuesta::No);
        s.juego.iniciar();
        QVERIFY(s.dialogos.textos().contains(QStringLiteral("¿Continuar la partida anterior?")));
        while (s.humano.puedeJugar())
            s.humano.jugar();
        anotar(c, s.vista);
    }
    const StatsRecord r = leer(carpeta.path()).record(kHumano);
    QCOMPARE(r.partidas, 1);
    QCOMPARE(r.ganadas + r.perdidas, 1);
    QCOMPARE(r.ganadas, c.ganadas);
    QCOMPARE(r.manosGanadas, c.manosGanadas);
    QCOMPARE(r.manosPerdidas, c.manosPerdidas);
    QCOMPARE(r.manosEmpatadas, c.manosEmpatadas);
}

void TestConservada::resumedGameIsTheKeptOneAndPlaysOnAlike_data()
{
    QTest::addColumn<int>("corte");
    QTest::addColumn<bool>("salir");
    // 1: the turn after the first move (a game without a move is not kept); 2 and 3
    // either side of the second deal; then the first turn of the second hand, found in the
    // game itself.
    QTest::newRow("after the first move, killed") << 1 << false;
    QTest::newRow("before a deal, Salir") << 2 << true;
    QTest::newRow("after a deal, killed") << 3 << false;
    QTest::newRow("after a hand's end, Salir") << -1 << true;
    QTest::newRow("after a hand's end, killed") << -1 << false;
}

// The game played straight through, and the same game cut after some human turn and taken
// up in a new run: the same position at every human turn from the cut to the end, the same
// deals, and the same statistics.
void TestConservada::resumedGameIsTheKeptOneAndPlaysOnAlike()
{
    QFETCH(int, corte);
    QFETCH(bool, salir);
    const quint64 semilla = 3;
    QTemporaryDir seguida;
    QList<QByteArray> posiciones;
    int primeraDeLaMano2 = -1;
    {
        MersenneRandom azarHumano(30);
        Sesion s(m_dir->path(), seguida.path(), semilla, azarHumano);
        s.dialogos.responder(Respuesta::No);
        s.juego.iniciar();
        while (s.humano.puedeJugar()) {
            if (primeraDeLaMano2 < 0 && s.juego.estado().numeroDeMano == 2)
                primeraDeLaMano2 = static_cast<int>(posiciones.size());
            posiciones.append(s.guardado());
            s.humano.jugar();
        }
    }
    QVERIFY(primeraDeLaMano2 > 0);
    if (corte < 0)
        corte = primeraDeLaMano2;

    QTemporaryDir cortada;
    MersenneRandom azarHumano(30);
    {
        Sesion s(m_dir->path(), cortada.path(), semilla, azarHumano);
        s.juego.iniciar();
        for (int i = 0; i < corte; ++i)
            s.humano.jugar();
        QCOMPARE(s.guardado(), posiciones.at(corte));
        if (salir)
            s.juego.ordenar(OrdenDelJuego::Cerrar);
        // Otherwise the run just stops, as a kill leaves it.
    }
    // A new run whose own generator would deal otherwise: the kept one must take over.
    Sesion s(m_dir->path(), cortada.path(), semilla + 100, azarHumano);
    s.dialogos.responder(Respuesta::Yes);
    s.dialogos.responder(Respuesta::No);
    s.juego.iniciar();
    QVERIFY(!s.dialogos.mensajes().isEmpty());
    QCOMPARE(s.dialogos.mensajes().first().botones, DialogService::Botones::YesNo);
    QCOMPARE(s.guardado(), posiciones.at(corte));
    QCOMPARE(s.juego.estado().turno, Lado::Cpu); // the human is to play
    for (int i = corte; s.humano.puedeJugar(); ++i) {
        QVERIFY2(i < posiciones.size(), "the resumed game runs longer");
        QVERIFY2(s.guardado() == posiciones.at(i), qPrintable(QString::number(i)));
        s.humano.jugar();
    }
    const Statistics a = leer(seguida.path());
    const Statistics b = leer(cortada.path());
    QCOMPARE(b.record(kHumano).partidas, 1);
    QCOMPARE(b.record(kHumano), a.record(kHumano));
}

// Files that match but hold no game: told with the saved games' own words, then a new game.
void TestConservada::damagedKeptGameStartsANewGame()
{
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(1);
    {
        Sesion s(m_dir->path(), carpeta.path(), 1, azarHumano);
        s.juego.iniciar();
        s.humano.jugar();
        s.juego.ordenar(OrdenDelJuego::Cerrar);
    }
    const KeptGameStore almacen(carpeta.path());
    QFile dat(almacen.datPath());
    QVERIFY(dat.open(QIODevice::ReadOnly));
    const QByteArray viejo = QCryptographicHash::hash(dat.readAll(), QCryptographicHash::Sha256);
    dat.close();
    const QByteArray basura("\"3\"\r\n\"otro\"\r\nnada\r\n");
    QFile side(almacen.sidePath());
    QVERIFY(side.open(QIODevice::ReadOnly));
    QByteArray lado = side.readAll();
    side.close();
    QVERIFY(lado.contains(viejo.toHex()));
    lado.replace(viejo.toHex(),
                 QCryptographicHash::hash(basura, QCryptographicHash::Sha256).toHex());
    QVERIFY(dat.open(QIODevice::WriteOnly) && dat.write(basura) == basura.size());
    dat.close();
    QVERIFY(side.open(QIODevice::WriteOnly) && side.write(lado) == lado.size());
    side.close();

    Sesion s(m_dir->path(), carpeta.path(), 2, azarHumano);
    s.juego.iniciar();
    QCOMPARE(s.dialogos.textos().first(), QStringLiteral("Error leyendo archivo"));
    QVERIFY(!s.dialogos.textos().contains(QStringLiteral("¿Continuar la partida anterior?")));
    const GameState &e = s.juego.estado();
    QCOMPARE(e.cartasRepartidas, std::uint8_t { 10 });
    QCOMPARE(e.player2.count() + e.lamesa.count() + e.player1.count() + e.player1Lev.count()
                 + e.player2Lev.count(),
             10);
    QVERIFY(!s.juego.terminado());
    // The new game is kept once the human moved in it.
    QCOMPARE(almacen.load().status, KeptGameStore::Status::None);
    s.humano.jugar();
    QCOMPARE(almacen.load().status, KeptGameStore::Status::Found);
}

void TestConservada::damagedStatisticsAreToldOnce()
{
    QTemporaryDir carpeta;
    QFile f(StatisticsFile(carpeta.path()).path());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("{\"jugadores\": [") > 0);
    f.close();
    MersenneRandom azarHumano(1);
    const auto avisos = [](const FakeDialogs &d) {
        int n = 0;
        for (const QString &t : d.textos())
            n += t.contains(QStringLiteral("estadísticas"));
        return n;
    };
    {
        Sesion s(m_dir->path(), carpeta.path(), 1, azarHumano);
        s.juego.iniciar();
        QCOMPARE(avisos(s.dialogos), 1);
        QVERIFY(!s.juego.terminado());
    }
    QVERIFY(QFile::exists(StatisticsFile(carpeta.path()).damagedPath()));
    Sesion s(m_dir->path(), carpeta.path(), 1, azarHumano);
    s.dialogos.responder(Respuesta::No);
    s.juego.iniciar();
    QCOMPARE(avisos(s.dialogos), 0);
}

// A folder that cannot be made (its parent is a file, whoever runs the test): three whole
// games are played to their end, and the player hears once of each file, with no box.
void TestConservada::filesThatCannotBeWrittenAreToldOnceEach()
{
    QTemporaryDir dir;
    QFile tapon(dir.filePath(QStringLiteral("archivo")));
    QVERIFY(tapon.open(QIODevice::WriteOnly));
    tapon.close();
    MersenneRandom azarHumano(3);
    Sesion s(m_dir->path(), tapon.fileName() + QStringLiteral("/zelbo"), 3, azarHumano);
    QStringList avisos;
    s.conservada.setAvisoDeArchivo([&avisos](const QString &texto) { avisos << texto; });
    s.dialogos.responder(Respuesta::Yes);
    s.dialogos.responder(Respuesta::Yes);
    s.dialogos.responder(Respuesta::No);
    s.juego.iniciar();
    while (s.humano.puedeJugar())
        s.humano.jugar();
    QCOMPARE(s.vista.resultados().size(), 3);
    QCOMPARE(avisos.size(), 2);
    QVERIFY(avisos.at(0).contains(QStringLiteral("partida en curso")));
    QVERIFY(avisos.at(1).contains(QStringLiteral("estadísticas")));
    for (const QString &texto : s.dialogos.textos())
        QVERIFY2(!avisos.contains(texto), qPrintable(texto));
}

// "Nuevo" before the human's first move of a hand leaves no trace; after it, the hand counts
// as abandoned when the game is counted.
void TestConservada::handLeftByNuevoAfterAMoveIsAbandoned()
{
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(11);
    Sesion s(m_dir->path(), carpeta.path(), 11, azarHumano);
    s.dialogos.responder(Respuesta::No);
    s.juego.iniciar();
    s.juego.ordenar(OrdenDelJuego::Nuevo);
    s.humano.jugar();
    s.juego.ordenar(OrdenDelJuego::Nuevo);
    while (s.humano.puedeJugar())
        s.humano.jugar();
    const StatsRecord r = leer(carpeta.path()).record(kHumano);
    QCOMPARE(r.partidas, 1);
    QCOMPARE(r.manosAbandonadas, 1);
}

ZELBO_TEST_GUILESS_MAIN(TestConservada)
#include "tst_conservada.moc"
