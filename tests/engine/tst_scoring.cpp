// SPDX-License-Identifier: GPL-3.0-or-later

#include "posicion.h"
#include "preferencesfile.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QTest>

using namespace Naipes;

namespace {

const QString kContando = QStringLiteral("Contando puntajes");
const QString kOtra = QStringLiteral("¿Jugar de nuevo?");

enum class Antes { Nada, HumanoLevanto, CpuLevanto, NadieLevanto };
using Par = QPair<int, int>;

// The last card of a hand: the human puts oros(1) on the own pile (and the CPU
// then plays its card, if it holds one). Cards no list names fill the piles'
// bottoms up to the given sizes.
Posicion final(const QList<int> &cpu, const QList<int> &mesa, int tamPilaCpu, int tamPilaHumano)
{
    Posicion p;
    p.humano = { oros(1) };
    p.cpu = cpu;
    p.mesa = mesa;
    p.pilaCpu = { copas(3) };
    p.pilaHumano = { bastos(8) };
    p.tamPilaCpu = tamPilaCpu;
    p.tamPilaHumano = tamPilaHumano;
    return p;
}

// A game started by a seed whose opening left nobody as the last lifter.
std::unique_ptr<TestGame> juegoSinLevantar()
{
    for (quint64 semilla = 1; semilla < 100; ++semilla) {
        auto t = std::make_unique<TestGame>(semilla);
        t->iniciar();
        if (t->estado().ultimoEnLevantar == Lado::Nadie)
            return t;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Antes)

class TestScoring : public QObject
{
    Q_OBJECT

private slots:
    void biggerPileWinsTheHand_data();
    void biggerPileWinsTheHand();
    void thirdPointEndsTheGameWithResultsAndQuestion_data();
    void thirdPointEndsTheGameWithResultsAndQuestion();
    void handBoxAddsThePilesWinnerFirst_data();
    void handBoxAddsThePilesWinnerFirst();
    void resultsWindowIsToldWhichSideWonUnderTheSameNames_data();
    void resultsWindowIsToldWhichSideWonUnderTheSameNames();
    void playingAgainStartsANewGameFromNothing();
    void notPlayingAgainSavesPreferencesAndEnds();
};

void TestScoring::biggerPileWinsTheHand_data()
{
    QTest::addColumn<Antes>("antes");
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<Par>("contadores");
    QTest::addColumn<QString>("veredicto");
    QTest::addColumn<Par>("puntos");

    using P = Par;
    const QString cpu = QStringLiteral("Cpu gana la mano");
    const QList<int> mesa { copas(2), espadas(2) };
    QTest::newRow("21 to 19") << Antes::Nada << final({}, {}, 21, 18) << P { 21, 19 } << cpu
                              << P { 1, 0 };
    QTest::newRow("18 and 19 with 3 table cards, the CPU lifted last")
        << Antes::Nada
        << final({ espadas(1) }, { espadas(2), bastos(2), bastos(3), copas(2) }, 16, 18)
        << P { 21, 19 } << cpu << P { 1, 0 };
    Posicion empate = final({}, {}, 20, 19);
    empate.puntosCpu = 1;
    empate.puntosHumano = 1;
    QTest::newRow("20 to 20") << Antes::Nada << empate << P { 20, 20 }
                              << QStringLiteral("Mano empatada") << P { 1, 1 };
    QTest::newRow("19 to 21") << Antes::Nada << final({}, {}, 19, 20) << P { 19, 21 }
                              << QStringLiteral("Ana gana la mano") << P { 0, 1 };
    QTest::newRow("table to the human, who lifted in an earlier hand")
        << Antes::HumanoLevanto << final({}, mesa, 19, 18) << P { 19, 21 }
        << QStringLiteral("Ana gana la mano") << P { 0, 1 };
    QTest::newRow("table to the CPU, which lifted in an earlier hand")
        << Antes::CpuLevanto << final({}, mesa, 19, 18) << P { 21, 19 } << cpu << P { 1, 0 };
    QTest::newRow("nobody has lifted yet: the table counts for nobody")
        << Antes::NadieLevanto << final({}, mesa, 19, 18) << P { 19, 19 }
        << QStringLiteral("Mano empatada") << P { 0, 0 };
}

void TestScoring::biggerPileWinsTheHand()
{
    QFETCH(Antes, antes);
    QFETCH(Posicion, posicion);
    QFETCH(Par, contadores);
    QFETCH(QString, veredicto);
    QFETCH(Par, puntos);

    std::unique_ptr<TestGame> t
        = antes == Antes::NadieLevanto ? juegoSinLevantar() : std::make_unique<TestGame>(1);
    QVERIFY(t && t->valido());
    if (antes == Antes::HumanoLevanto || antes == Antes::CpuLevanto)
        QVERIFY(t->hacerUltimoEnLevantar(antes == Antes::HumanoLevanto ? Lado::Humano : Lado::Cpu));
    QVERIFY(t->cargar(posicion));
    t->juego().intentar(Intento::alMonton(0));

    QCOMPARE(t->vista().contadores(), QList<Par> { contadores });
    QCOMPARE(t->dialogos().textos().mid(0, 2), (QStringList { kContando, veredicto }));
    for (const FakeDialogs::Mensaje &m : t->dialogos().mensajes()) {
        QCOMPARE(m.titulo, QStringLiteral("Zelbo"));
        QCOMPARE(m.botones, DialogService::Botones::Ok);
    }
    QCOMPARE(t->estado().jugadorCpu.puntos(), puntos.first);
    QCOMPARE(t->estado().jugadorHumano.puntos(), puntos.second);
    // The next hand is dealt at once.
    QVERIFY(t->vista().resultados().isEmpty());
    QCOMPARE(t->estado().faltaDeConsistencia(), QString());
    QVERIFY(t->estado().cartasRepartidas == 10);
}

void TestScoring::thirdPointEndsTheGameWithResultsAndQuestion_data()
{
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<QStringList>("registro");

    Posicion humano = final({}, {}, 19, 20);
    humano.puntosCpu = 1;
    humano.puntosHumano = 2;
    QTest::newRow("the human reaches 3, the CPU has 1")
        << humano << QStringList { "mensaje Contando puntajes", "contadores 19 21",
                                   "mensaje Ana gana la mano",  "puntajes 1 3",
                                   "Dialogo Ana 3 1",           "mensaje ¿Jugar de nuevo?" };
    Posicion cpu = final({}, {}, 21, 18);
    cpu.puntosCpu = 2;
    QTest::newRow("the CPU reaches 3, the human has 0")
        << cpu << QStringList { "mensaje Contando puntajes", "contadores 21 19",
                                "mensaje Cpu gana la mano",  "puntajes 3 0",
                                "Dialogo Maquina 3 0",       "mensaje ¿Jugar de nuevo?" };
}

void TestScoring::thirdPointEndsTheGameWithResultsAndQuestion()
{
    QFETCH(Posicion, posicion);
    QFETCH(QStringList, registro);

    TestGame t(1);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(posicion));
    t.juego().intentar(Intento::alMonton(0));

    QCOMPARE(t.registro().mid(1, registro.size()), registro);
    const FakeDialogs::Mensaje pregunta = t.dialogos().mensajes().at(2);
    QCOMPARE(pregunta.texto, kOtra);
    QCOMPARE(pregunta.titulo, QStringLiteral("Fin de Juego"));
    QCOMPARE(pregunta.botones, DialogService::Botones::YesNo);
    QCOMPARE(pregunta.icono, DialogService::Icono::Pregunta);
}

void TestScoring::handBoxAddsThePilesWinnerFirst_data()
{
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<QString>("veredicto");
    QTest::addColumn<QString>("cartas");
    QTest::newRow("the CPU wins 23 to 17")
        << final({}, {}, 23, 16) << QStringLiteral("Cpu gana la mano")
        << QStringLiteral("23 cartas contra 17");
    QTest::newRow("the human wins 22 to 18")
        << final({}, {}, 18, 21) << QStringLiteral("Ana gana la mano")
        << QStringLiteral("22 cartas contra 18");
    QTest::newRow("a tie") << final({}, {}, 20, 19) << QStringLiteral("Mano empatada")
                           << QStringLiteral("20 cartas contra 20");
}

// The verdict keeps its words; the piles go under them, the winner's first.
void TestScoring::handBoxAddsThePilesWinnerFirst()
{
    QFETCH(Posicion, posicion);
    QFETCH(QString, veredicto);
    QFETCH(QString, cartas);

    TestGame t(1);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(posicion));
    t.juego().intentar(Intento::alMonton(0));

    const QList<FakeDialogs::Mensaje> &mensajes = t.dialogos().mensajes();
    QVERIFY(mensajes.size() >= 2);
    QCOMPARE(mensajes.at(1).texto, veredicto);
    QCOMPARE(mensajes.at(1).opciones.informativo, cartas);
    QCOMPARE(mensajes.at(0).opciones.informativo, QString());
}

void TestScoring::resultsWindowIsToldWhichSideWonUnderTheSameNames_data()
{
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<ResultadoDeMano::Ganador>("ganador");
    QTest::addColumn<Par>("puntos");
    Posicion cpu = final({}, {}, 21, 18);
    cpu.puntosCpu = 2;
    cpu.puntosHumano = 1;
    QTest::newRow("the CPU wins 3 to 1") << cpu << ResultadoDeMano::Ganador::Cpu << Par { 3, 1 };
    Posicion humano = final({}, {}, 19, 20);
    humano.puntosCpu = 2;
    humano.puntosHumano = 2;
    QTest::newRow("the human wins 3 to 2")
        << humano << ResultadoDeMano::Ganador::Humano << Par { 3, 2 };
}

// Both default names are "Player": the name cannot tell the window who won.
void TestScoring::resultsWindowIsToldWhichSideWonUnderTheSameNames()
{
    QFETCH(Posicion, posicion);
    QFETCH(ResultadoDeMano::Ganador, ganador);
    QFETCH(Par, puntos);

    TestGame t(1);
    QVERIFY(t.valido());
    posicion.nombreHumano = QStringLiteral("Player");
    posicion.nombreCpu = QStringLiteral("Player");
    QVERIFY(t.cargar(posicion));
    t.juego().intentar(Intento::alMonton(0));

    QCOMPARE(t.vista().resultados().size(), 1);
    const FakeView::Resultado r = t.vista().resultados().first();
    QCOMPARE(r.nombre, QStringLiteral("Player"));
    QCOMPARE(r.ganador, ganador);
    QCOMPARE(Par(r.num1, r.num2), puntos);
}

void TestScoring::playingAgainStartsANewGameFromNothing()
{
    TestGame t(1);
    QVERIFY(t.valido());
    Posicion p = final({}, {}, 19, 20);
    p.puntosCpu = 1;
    p.puntosHumano = 2;
    p.nombreHumano = QStringLiteral("Tomas");
    QVERIFY(t.cargar(p));
    t.dialogos().responder(DialogService::Respuesta::Yes);
    t.juego().intentar(Intento::alMonton(0));

    QVERIFY(!t.juego().terminado());
    QCOMPARE(t.vista().salida(), std::nullopt);
    QCOMPARE(t.estado().jugadorCpu.puntos(), 0);
    QCOMPARE(t.estado().jugadorHumano.puntos(), 0);
    // The first board after the question shows the new game's first deal.
    const std::optional<GameState> reparto = t.mostradoTrasDe(QStringLiteral("mensaje ") + kOtra);
    QVERIFY(reparto);
    QCOMPARE(reparto->cartasRepartidas, 10);
    QCOMPARE(reparto->lamesa.count(), 4);
    QVERIFY(reparto->player1Lev.isEmpty() && reparto->player2Lev.isEmpty());
    // A new game reads the names from the preferences again.
    QCOMPARE(t.estado().jugadorHumano.nombre(), TestGame::kHumano);
}

void TestScoring::notPlayingAgainSavesPreferencesAndEnds()
{
    TestGame t(1);
    QVERIFY(t.valido());
    Posicion p = final({}, {}, 21, 18);
    p.puntosCpu = 2;
    p.nombreCpu = QStringLiteral("Rosa");
    p.nombreHumano = QStringLiteral("Tomas");
    QVERIFY(t.cargar(p));
    t.dialogos().responder(DialogService::Respuesta::No);
    t.juego().intentar(Intento::alMonton(0));

    QCOMPARE(t.registro().last(), QStringLiteral("Salir 0"));
    QCOMPARE(t.dialogos().textos().last(), kOtra);
    QCOMPARE(t.vista().salida(), std::optional<int>(0));
    QVERIFY(t.juego().terminado());
    QCOMPARE(t.juego().estadoSalida(), 0);
    PreferenceValues guardadas;
    QVERIFY(PreferencesFile::load(t.dir().ruta(QStringLiteral("lastprop.dat")), guardadas));
    QCOMPARE(guardadas.nombreCpu, QStringLiteral("Rosa"));
    QCOMPARE(guardadas.nombreHumano, QStringLiteral("Tomas"));

    // Nothing of the game runs any more.
    const int eventos = static_cast<int>(t.registro().size());
    t.juego().intentar(Intento::tirar(0));
    t.juego().intentar(Intento::levantar());
    t.juego().ordenar(OrdenDelJuego::Nuevo);
    QCOMPARE(t.registro().size(), eventos);
}

ZELBO_TEST_GUILESS_MAIN(TestScoring)
#include "tst_scoring.moc"
