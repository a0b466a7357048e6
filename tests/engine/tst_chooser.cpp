// SPDX-License-Identifier: GPL-3.0-or-later

#include "electornormal.h"
#include "legalidad.h"
#include "nivelcpu.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QFile>
#include <QTest>
#include <array>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Naipes;

namespace {

// A chooser that plays what it is told.
class ElectorFijo : public Elector
{
public:
    explicit ElectorFijo(Jugada jugada)
        : m_jugada(std::move(jugada))
    {
    }
    Jugada elegir(const GameState &, Lado lado) override
    {
        m_lados.append(lado);
        return m_jugada;
    }
    QList<Lado> m_lados;

private:
    Jugada m_jugada;
};

Jugada jugada(Jugada::Tipo tipo, int carta, std::vector<int> mesa = {})
{
    return Jugada { tipo, carta, std::move(mesa) };
}

// The human to play oros(1) (or oros(4)) onto the own pile, then the CPU to move with
// copas(1), espadas(1) against a table of espadas(2), bastos(1), espadas(3).
Posicion posicion()
{
    Posicion p;
    p.humano = { oros(1), oros(4) };
    p.cpu = { copas(1), espadas(1) };
    p.mesa = { espadas(2), bastos(1), espadas(3) };
    p.pilaCpu = { copas(5) };
    p.pilaHumano = { bastos(2) };
    p.tamPilaCpu = 10;
    p.tamPilaHumano = 11;
    return p;
}

} // namespace

class TestChooser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void legalMovesFollowTheRules_data();
    void legalMovesFollowTheRules();
    void normalPlaysTheHumanSeatWithThePilesSwapped_data();
    void normalPlaysTheHumanSeatWithThePilesSwapped();
    void anyLegalMoveOfTheCpuIsShownAndCarriedOut_data();
    void anyLegalMoveOfTheCpuIsShownAndCarriedOut();
    void illegalMoveOfAChooserEndsTheProgramWithAnError();
    void cardSetChangedOnDiskIsReadAtTheNextNewGameOnly();
    void levelIsTakenAtTheStartOfEachGameOnly();

private:
    Mazo m_mazo;
};

void TestChooser::initTestCase()
{
    TestGame t;
    QVERIFY(t.valido());
    t.iniciar();
    m_mazo = t.estado().mazo;
}

void TestChooser::legalMovesFollowTheRules_data()
{
    QTest::addColumn<int>("lado");
    QTest::addColumn<Jugada>("jugada");
    QTest::addColumn<bool>("legal");
    using T = Jugada::Tipo;
    const int cpu = int(Lado::Cpu);
    const int humano = int(Lado::Humano);
    QTest::newRow("any card onto the own pile") << cpu << jugada(T::AlMonton, 1) << true;
    QTest::newRow("no such hand slot") << cpu << jugada(T::AlMonton, 2) << false;
    QTest::newRow("a pile move names no table place")
        << cpu << jugada(T::AlMonton, 0, { 0 }) << false;
    QTest::newRow("lift of matching places") << cpu << jugada(T::LevantarMesa, 1, { 0, 2 }) << true;
    QTest::newRow("lift of one of them") << cpu << jugada(T::LevantarMesa, 1, { 2 }) << true;
    QTest::newRow("lift of a place of another palo")
        << cpu << jugada(T::LevantarMesa, 1, { 0, 1 }) << false;
    QTest::newRow("places out of order") << cpu << jugada(T::LevantarMesa, 1, { 2, 0 }) << false;
    QTest::newRow("a place twice") << cpu << jugada(T::LevantarMesa, 1, { 0, 0 }) << false;
    QTest::newRow("a lift of nothing") << cpu << jugada(T::LevantarMesa, 1) << false;
    QTest::newRow("a place past the table") << cpu << jugada(T::LevantarMesa, 1, { 3 }) << false;
    QTest::newRow("laying a card the table matches") << cpu << jugada(T::Tirar, 1) << false;
    QTest::newRow("laying a card it does not") << cpu << jugada(T::Tirar, 0) << true;
    QTest::newRow("taking a pile of another palo") << cpu << jugada(T::LevantarMonton, 0) << false;
    QTest::newRow("the human takes nothing of another palo")
        << humano << jugada(T::LevantarMonton, 0) << false;
    QTest::newRow("the human lays oros") << humano << jugada(T::Tirar, 0) << true;
}

void TestChooser::legalMovesFollowTheRules()
{
    QFETCH(int, lado);
    QFETCH(Jugada, jugada);
    QFETCH(bool, legal);
    const GameState e = posicion().estado(m_mazo);
    QCOMPARE(Legalidad::esLegal(e, jugada, static_cast<Lado>(lado)), legal);
}

void TestChooser::normalPlaysTheHumanSeatWithThePilesSwapped_data()
{
    QTest::addColumn<Posicion>("p");
    QTest::addColumn<Jugada>("esperada");
    using T = Jugada::Tipo;
    Posicion p = posicion();
    p.humano = { bastos(3), oros(2) };
    QTest::newRow("own pile top matches") << p << jugada(T::AlMonton, 0);
    p.humano = { copas(3), oros(2) };
    QTest::newRow("the CPU's pile top matches") << p << jugada(T::LevantarMonton, 0);
    p.humano = { espadas(4), oros(2) };
    QTest::newRow("every matching table place") << p << jugada(T::LevantarMesa, 0, { 0, 2 });
    p.humano = { oros(2), espadas(4) };
    QTest::newRow("nothing matches the first card") << p << jugada(T::Tirar, 0);
}

void TestChooser::normalPlaysTheHumanSeatWithThePilesSwapped()
{
    QFETCH(Posicion, p);
    QFETCH(Jugada, esperada);
    const GameState e = p.estado(m_mazo);
    ElectorNormal normal;
    const Jugada j = normal.elegir(e, Lado::Humano);
    QCOMPARE(j, esperada);
    QVERIFY(Legalidad::esLegal(e, j, Lado::Humano));
}

void TestChooser::anyLegalMoveOfTheCpuIsShownAndCarriedOut_data()
{
    QTest::addColumn<Jugada>("j");
    QTest::addColumn<QStringList>("pausas");
    QTest::addColumn<QList<int>>("mesa");
    QTest::addColumn<QList<int>>("pilaCpu"); // its top cards
    QTest::addColumn<QList<int>>("manoCpu");
    using T = Jugada::Tipo;
    QTest::newRow("second card lifts one table place")
        << jugada(T::LevantarMesa, 1, { 2 })
        << QStringList { "mesaimg(2) 800", "cartap1img(1) 1000" }
        << QList<int> { espadas(2), bastos(1) } << QList<int> { espadas(3), espadas(1), copas(5) }
        << QList<int> { copas(1) };
    QTest::newRow("second card onto the own pile")
        << jugada(T::AlMonton, 1) << QStringList { "cartap1img(1) 1500" }
        << QList<int> { espadas(2), bastos(1), espadas(3) } << QList<int> { espadas(1), copas(5) }
        << QList<int> { copas(1) };
}

void TestChooser::anyLegalMoveOfTheCpuIsShownAndCarriedOut()
{
    QFETCH(Jugada, j);
    QFETCH(QStringList, pausas);
    QFETCH(QList<int>, mesa);
    QFETCH(QList<int>, pilaCpu);
    QFETCH(QList<int>, manoCpu);
    TestGame t;
    ElectorFijo elector(j);
    QVERIFY(t.cargar(posicion()));
    // Seated after the load, whose start of the program may give the CPU a move.
    t.juego().setElectorCpu(elector);
    t.juego().intentar(Intento::alMonton(0));
    QCOMPARE(elector.m_lados, QList<Lado> { Lado::Cpu });
    QCOMPARE(t.vista().resaltesTexto(), pausas);
    const GameState &e = t.estado();
    QCOMPARE(Posicion::numeros(e.lamesa), mesa);
    QCOMPARE(Posicion::numeros(e.player1Lev).first(pilaCpu.size()), pilaCpu);
    QCOMPARE(Posicion::numeros(e.player1), manoCpu);
    QCOMPARE(e.faltaDeConsistencia(), QString());
    QVERIFY(!t.juego().terminado());
}

void TestChooser::illegalMoveOfAChooserEndsTheProgramWithAnError()
{
    TestGame t;
    ElectorFijo elector(jugada(Jugada::Tipo::Tirar, 1));
    QVERIFY(t.cargar(posicion()));
    // Seated after the load, whose start of the program may give the CPU a move.
    t.juego().setElectorCpu(elector);
    const QList<int> mesa = Posicion::numeros(t.estado().lamesa);
    t.juego().intentar(Intento::alMonton(0));
    QVERIFY(t.juego().terminado());
    QCOMPARE(t.juego().estadoSalida(), 1);
    QCOMPARE(t.vista().resaltesTexto(), QStringList {});
    QCOMPARE(Posicion::numeros(t.estado().lamesa), mesa);
}

void TestChooser::cardSetChangedOnDiskIsReadAtTheNextNewGameOnly()
{
    TestGame t;
    QVERIFY(t.valido());
    t.iniciar();
    const QString db = t.dir().ruta(QStringLiteral("naipe40.db"));
    const TestProgramDir otro({ QStringLiteral("UPDATE naipe40 SET palo = 'copas' WHERE id = 1"),
                                QStringLiteral("UPDATE naipe40 SET palo = 'oros' WHERE id = 11") });
    QVERIFY2(otro.isValid(), qPrintable(otro.error()));
    const QString nuevo = otro.ruta(QStringLiteral("naipe40.db"));
    QCOMPARE(QFileInfo(nuevo).size(), QFileInfo(db).size());

    // The same size, inode and modification time: taken as unchanged, not read.
    struct stat antes
    {
    };
    QCOMPARE(::stat(QFile::encodeName(db).constData(), &antes), 0);
    {
        QFile destino(db);
        QFile origen(nuevo);
        QVERIFY(destino.open(QIODevice::ReadWrite) && origen.open(QIODevice::ReadOnly));
        QVERIFY(destino.write(origen.readAll()) == origen.size());
    }
    const std::array<struct timespec, 2> tiempos { antes.st_atim, antes.st_mtim };
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(db).constData(), tiempos.data(), 0), 0);
    struct stat despues
    {
    };
    QCOMPARE(::stat(QFile::encodeName(db).constData(), &despues), 0);
    QCOMPARE(despues.st_ino, antes.st_ino);
    QCOMPARE(despues.st_mtim.tv_nsec, antes.st_mtim.tv_nsec);
    t.juego().ordenar(OrdenDelJuego::Nuevo);
    QCOMPARE(t.estado().palo(1), QStringLiteral("oros"));
    QCOMPARE(t.estado().faltaDeConsistencia(), QString());

    // A changed file is read at the next new game.
    QVERIFY(QFile::remove(db));
    QVERIFY(QFile::copy(nuevo, db));
    QCOMPARE(t.estado().palo(1), QStringLiteral("oros"));
    t.juego().ordenar(OrdenDelJuego::Nuevo);
    QCOMPARE(t.estado().palo(1), QStringLiteral("copas"));
    QCOMPARE(t.estado().palo(11), QStringLiteral("oros"));
    QVERIFY(t.estado().mismoPalo(1, 12));
    QCOMPARE(t.estado().faltaDeConsistencia(), QString());
}

// The level is asked for when the program starts and when a game starts after
// "¿Jugar de nuevo?"; "Nuevo" deals a hand of the same game at the same level.
void TestChooser::levelIsTakenAtTheStartOfEachGameOnly()
{
    TestGame t;
    NivelCpu pedido = NivelCpu::Dificil;
    int preguntas = 0;
    t.juego().setFuenteDeNivel([&] {
        ++preguntas;
        return pedido;
    });
    // The last round: the CPU holds espadas(1), which matches nothing, and
    // oros(9), which takes the human's pile of 30 and wins the hand; laid, the
    // human's last card would cover that pile. Normal lays its first card.
    Posicion p;
    p.humano = { copas(1), copas(2) };
    p.cpu = { espadas(1), oros(9) };
    p.mesa = { bastos(1) };
    p.pilaCpu = { bastos(2) };
    p.pilaHumano = { oros(10) };
    p.tamPilaCpu = 5;
    p.tamPilaHumano = 30;
    QVERIFY(t.cargar(p));
    QCOMPARE(preguntas, 1);
    QCOMPARE(t.juego().nivelCpu(), NivelCpu::Dificil);
    t.juego().intentar(Intento::tirar(0));
    QCOMPARE(t.vista().jugadasCpu(), QList<Jugada> { jugada(Jugada::Tipo::LevantarMonton, 1) });

    pedido = NivelCpu::Normal;
    t.juego().ordenar(OrdenDelJuego::Nuevo);
    QCOMPARE(preguntas, 1);
    QCOMPARE(t.juego().nivelCpu(), NivelCpu::Dificil);

    // The human's last card of the last hand wins the game 3 to 0; "Sí" starts the next.
    Posicion fin;
    fin.humano = { oros(1) };
    fin.tamPilaCpu = 10;
    fin.tamPilaHumano = 29;
    fin.puntosHumano = 2;
    QVERIFY(t.cargar(fin));
    t.dialogos().responder(DialogService::Respuesta::Yes);
    t.juego().intentar(Intento::alMonton(0));
    QCOMPARE(t.dialogos().textos().count(QStringLiteral("¿Jugar de nuevo?")), 1);
    QCOMPARE(preguntas, 2);
    QCOMPARE(t.juego().nivelCpu(), NivelCpu::Normal);
    QCOMPARE(t.estado().jugadorHumano.puntos(), 0);
}

ZELBO_TEST_GUILESS_MAIN(TestChooser)
#include "tst_chooser.moc"
