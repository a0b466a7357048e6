// SPDX-License-Identifier: GPL-3.0-or-later

#include "frasejugada.h"
#include "mersennerandom.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "revisordejugadas.h"
#include "sesionconservada.h"
#include "testgame.h"
#include "testprogramdir.h"

#include <QTemporaryDir>
#include <QTest>

using Respuesta = DialogService::Respuesta;

namespace {

// The moves kept, each in the words the history uses for it.
QStringList frases(const ZelboGame &juego)
{
    QStringList salida;
    for (const JugadaAnotada &j : juego.jugadasDeLaPartida().jugadas())
        salida << (j.lado == Lado::Cpu ? FraseJugada::cpu(j.antes, j.jugada)
                                       : FraseJugada::humano(j.antes, j.jugada));
    return salida;
}

// The current game's history lines that tell moves: no game or hand heading, no result.
QStringList jugadasDelHistorial(const ZelboGame &juego)
{
    const QStringList &todas = juego.historial();
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < todas.size(); ++i) {
        if (todas.at(i).startsWith(QStringLiteral("Partida")))
            inicio = i;
    }
    QStringList salida;
    for (const QString &linea : todas.mid(inicio + 1)) {
        if (!linea.startsWith(QStringLiteral("Mano")))
            salida << linea;
    }
    return salida;
}

// The moves kept are the history's, both sides in order, each played with a card its side
// held in the position kept before it.
void compararConElHistorial(const ZelboGame &juego)
{
    QCOMPARE(frases(juego), jugadasDelHistorial(juego));
    for (const JugadaAnotada &j : juego.jugadasDeLaPartida().jugadas()) {
        const CardList &mano = j.lado == Lado::Cpu ? j.antes.player1 : j.antes.player2;
        QVERIFY(j.jugada.carta >= 0 && j.jugada.carta < mano.count());
    }
}

// Every card the human has not seen: the CPU's hand and the undealt deck.
QList<CardId> noVistas(const GameState &e)
{
    QList<CardId> cartas;
    for (int i = 0; i < e.player1.count(); ++i)
        cartas << e.player1.at(i);
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        if (!e.mazo.repartida(n))
            cartas << static_cast<CardId>(n);
    }
    return cartas;
}

// The moves with the unseen cards of this hand in another order: each one's place in the
// CPU's hand or the deck goes to the next of them, every card seen staying where it was.
std::vector<JugadaAnotada> conOtrasNoVistas(std::span<const JugadaAnotada> jugadas,
                                            const QList<CardId> &ocultas, int mano)
{
    const auto otra = [&ocultas](CardId c) {
        const qsizetype i = ocultas.indexOf(c);
        return i < 0 ? c : ocultas.at((i + 1) % ocultas.size());
    };
    std::vector<JugadaAnotada> salida(jugadas.begin(), jugadas.end());
    for (JugadaAnotada &j : salida) {
        if (j.antes.numeroDeMano != mano)
            continue;
        const GameState antes = j.antes;
        for (int i = 0; i < antes.player1.count(); ++i) {
            j.antes.player1.removeAt(i);
            j.antes.player1.insert(i, otra(antes.player1.at(i)));
        }
        for (const CardId c : ocultas)
            j.antes.mazo.a_repartida(otra(c), antes.mazo.repartida(c));
    }
    return salida;
}

void compararRevisiones(const RevisionJugada &a, const RevisionJugada &b)
{
    QCOMPARE(a.antes, b.antes);
    QCOMPARE(a.despues, b.despues);
    QCOMPARE(a.perdida, b.perdida);
    QCOMPARE(a.clase, b.clase);
    QCOMPARE(a.mejor, b.mejor);
}

} // namespace

// The moves of the current game with their positions, as the review reads them.
class TestJugadasPartida : public QObject
{
    Q_OBJECT

private slots:
    void wholeGameKeepsEveryMoveOfBothSidesUntilTheNextGame();
    void undoTakesMovesOffAndRedoPutsThemBack();
    void loadedGameStartsAtItsPosition();
    void resumedKeptGameStartsAtTheResumedPosition();
    void reviewOfAHandInPlayShowsNothingTheHumanHasNotSeen_data();
    void reviewOfAHandInPlayShowsNothingTheHumanHasNotSeen();
};

// A whole seeded game: at every hand's end the kept moves are the history's, both sides in
// order; the last hand's are still there when the results show, and "Sí" to "¿Jugar de
// nuevo?" starts over.
void TestJugadasPartida::wholeGameKeepsEveryMoveOfBothSidesUntilTheNextGame()
{
    TestGame t(17);
    QVERIFY(t.valido());
    MersenneRandom azar(5);
    RandomHuman humano(t.juego(), azar);
    int alFinal = 0;
    QSet<Lado> lados;
    t.vista().setAlContar([&](const ResultadoDeMano &) {
        compararConElHistorial(t.juego());
        alFinal = static_cast<int>(t.juego().jugadasDeLaPartida().jugadas().size());
        for (const JugadaAnotada &j : t.juego().jugadasDeLaPartida().jugadas())
            lados.insert(j.lado);
    });
    t.iniciar();
    while (t.vista().resultados().isEmpty() && humano.puedeJugar())
        humano.jugar();
    QCOMPARE(t.vista().resultados().size(), 1);
    QVERIFY(alFinal > 20);
    QCOMPARE(lados.size(), 2);
    // The next game's moves only, if the CPU opened it.
    QVERIFY(t.juego().jugadasDeLaPartida().jugadas().size() <= 1);
    compararConElHistorial(t.juego());
}

// Undo takes the moves it takes back off; redo puts them back; a new move after undo drops
// the moves undone for good.
void TestJugadasPartida::undoTakesMovesOffAndRedoPutsThemBack()
{
    TestGame t(23);
    QVERIFY(t.valido());
    MersenneRandom azar(9);
    RandomHuman humano(t.juego(), azar);
    t.iniciar();
    const auto cuantas = [&t] { return t.juego().jugadasDeLaPartida().jugadas().size(); };
    const std::size_t antes = cuantas();
    humano.jugar();
    const std::size_t una = cuantas();
    const QStringList frasesUna = frases(t.juego());
    QVERIFY(una >= antes + 2); // the human's and the CPU's reply
    humano.jugar();
    QVERIFY(cuantas() > una);
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(cuantas(), una);
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(cuantas(), antes);
    compararConElHistorial(t.juego());
    t.juego().ordenar(OrdenDelJuego::Rehacer);
    QCOMPARE(frases(t.juego()), frasesUna);
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    humano.jugar();
    compararConElHistorial(t.juego());
    t.juego().ordenar(OrdenDelJuego::Rehacer);
    compararConElHistorial(t.juego());
}

// A game opened from a file keeps no move of the game before it: its first move is played
// from the loaded position.
void TestJugadasPartida::loadedGameStartsAtItsPosition()
{
    TestGame t(3);
    QVERIFY(t.valido());
    MersenneRandom azar(4);
    RandomHuman humano(t.juego(), azar);
    t.iniciar();
    humano.jugar();
    QVERIFY(!t.juego().jugadasDeLaPartida().jugadas().empty());
    QVERIFY(t.cargar(Posicion::primeraJugada()));
    QVERIFY(t.juego().jugadasDeLaPartida().jugadas().empty());
    const GameState cargado = t.estado();
    humano.jugar();
    const auto jugadas = t.juego().jugadasDeLaPartida().jugadas();
    QVERIFY(!jugadas.empty());
    QCOMPARE(jugadas.front().lado, Lado::Humano);
    QCOMPARE(jugadas.front().antes.player2, cargado.player2);
    QCOMPARE(jugadas.front().antes.lamesa, cargado.lamesa);
    compararConElHistorial(t.juego());
}

// The kept game resumed after a restart: the moves start at the resumed position, and undo
// back past it leaves none.
void TestJugadasPartida::resumedKeptGameStartsAtTheResumedPosition()
{
    TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    QTemporaryDir carpeta;
    MersenneRandom azarHumano(41);
    {
        SesionConservada s(dir.path(), carpeta.path(), 12, azarHumano);
        s.juego.iniciar();
        for (int i = 0; i < 4; ++i)
            s.humano.jugar();
        QVERIFY(s.juego.jugadasDeLaPartida().jugadas().size() >= 8);
        s.juego.ordenar(OrdenDelJuego::Cerrar);
    }
    SesionConservada s(dir.path(), carpeta.path(), 99, azarHumano);
    s.dialogos.responder(Respuesta::Yes);
    s.juego.iniciar();
    QVERIFY(s.juego.jugadasDeLaPartida().jugadas().empty());
    const GameState reanudado = s.juego.estado();
    s.humano.jugar();
    const auto jugadas = s.juego.jugadasDeLaPartida().jugadas();
    QVERIFY(jugadas.size() >= 2);
    QCOMPARE(jugadas.front().antes.player2, reanudado.player2);
    s.juego.ordenar(OrdenDelJuego::Deshacer);
    s.juego.ordenar(OrdenDelJuego::Deshacer);
    QVERIFY(s.juego.jugadasDeLaPartida().jugadas().empty());
}

void TestJugadasPartida::reviewOfAHandInPlayShowsNothingTheHumanHasNotSeen_data()
{
    QTest::addColumn<std::uint64_t>("semilla");
    QTest::addColumn<int>("jugadas");
    QTest::addColumn<int>("mano");
    QTest::newRow("primera mano") << std::uint64_t { 1 } << 4 << 1;
    QTest::newRow("segunda mano") << std::uint64_t { 6 } << 22 << 2;
}

// Midway through a hand, the review reads the same, in words and figures, however the CPU's
// hand and the deck are made up, and no better move it names is played with an unseen card.
void TestJugadasPartida::reviewOfAHandInPlayShowsNothingTheHumanHasNotSeen()
{
    QFETCH(std::uint64_t, semilla);
    QFETCH(int, jugadas);
    QFETCH(int, mano);
    TestGame t(semilla);
    QVERIFY(t.valido());
    MersenneRandom azar(semilla);
    RandomHuman humano(t.juego(), azar);
    t.iniciar();
    for (int i = 0; i < jugadas && humano.puedeJugar(); ++i)
        humano.jugar();
    QCOMPARE(t.estado().numeroDeMano, mano);
    // Midway through a deal: the CPU still holds cards it held at its moves before.
    QVERIFY(t.estado().player1.count() % PosicionCompacta::kMano != 0);
    const QList<CardId> ocultas = noVistas(t.estado());
    const auto hechas = t.juego().jugadasDeLaPartida().jugadas();
    const std::vector<JugadaAnotada> otras = conOtrasNoVistas(hechas, ocultas, mano);
    const RevisorDeJugadas revisor(6);
    for (std::size_t i = 0; i < hechas.size(); ++i) {
        const RevisionJugada r = revisor.revisar(hechas, i);
        compararRevisiones(r, revisor.revisar(otras, i));
        const CardList &suya
            = r.lado == Lado::Cpu ? hechas[i].antes.player1 : hechas[i].antes.player2;
        if (r.mejor && hechas[i].antes.numeroDeMano == mano)
            QVERIFY(!ocultas.contains(suya.at(r.mejor->carta)));
    }
}

ZELBO_TEST_GUILESS_MAIN(TestJugadasPartida)
#include "tst_jugadaspartida.moc"
