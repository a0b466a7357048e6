// SPDX-License-Identifier: GPL-3.0-or-later

#include "elector.h"
#include "electordificil.h"
#include "mersennerandom.h"
#include "muestreodificil.h"
#include "pista.h"
#include "posicioncompacta.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "registrodejugadas.h"
#include "testgame.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Naipes;

namespace {

// The bytes "Guardar" writes for the game as it stands.
QByteArray guardado(TestGame &t, const QString &nombre = QStringLiteral("g.dat"))
{
    const QString fichero = t.dir().ruta(nombre);
    QFile::remove(fichero);
    if (!t.juego().GuardarJuego(fichero))
        return {};
    QFile f(fichero);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The cards of every deal, in the order dealt, read at the refresh that follows it.
struct Repartos
{
    QList<QList<int>> manos;
    void seguir(TestGame &t)
    {
        t.vista().setAlActualizar([this, &t] {
            const GameState &e = t.estado();
            if (e.cartasRepartidas == m_ultimo)
                return;
            m_ultimo = e.cartasRepartidas;
            if (e.cartasRepartidas > 0)
                manos << Posicion::numeros(e.player1) + Posicion::numeros(e.player2);
        });
    }

private:
    int m_ultimo = -1;
};

// Two moves of the human, then undo twice and redo once: the history comes
// back line for line each time.
void deshacerDosJugadas(TestGame &t, RandomHuman &humano)
{
    const QStringList antes = t.juego().historial();
    humano.jugar();
    const QStringList una = t.juego().historial();
    QVERIFY(una.size() >= antes.size() + 2);
    humano.jugar();
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(t.juego().historial(), una);
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(t.juego().historial(), antes);
    t.juego().ordenar(OrdenDelJuego::Rehacer);
    QCOMPARE(t.juego().historial(), una);
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void undoRedoAndTheSameMoveAgainGiveTheSameGame_data();
    void undoRedoAndTheSameMoveAgainGiveTheSameGame();
    void undoGoesBackToTheGamesStartAndNoFurther();
    void undoAfterNuevoBringsTheHandBackAndAfterAbrirNothing();
    void sameNumberAndMovesGiveTheSameGame();
    void hintAndDificilDoNotChangeTheDeals();
    void chosenGameStartsAtNil();
    void badGameNumberIsRefused_data();
    void badGameNumberIsRefused();
    void historyTellsEveryMove_data();
    void historyTellsEveryMove();
    void historyTellsEachHandsResult_data();
    void historyTellsEachHandsResult();
    void undoTakesItsMovesOutOfTheHistory();
    void undoKeepsOnlyTheCurrentGamesLines();
};

void TestUndo::undoRedoAndTheSameMoveAgainGiveTheSameGame_data()
{
    QTest::addColumn<quint64>("semilla");
    for (const quint64 semilla : { 1, 2, 3 })
        QTest::addRow("seed %llu", semilla) << semilla;
}

// At every human turn of whole games, through deals and hands' ends: a move
// undone gives back the earlier bytes, redone the later ones, and played again
// the same later ones, so the CPU's reply and the next deal are the same.
void TestUndo::undoRedoAndTheSameMoveAgainGiveTheSameGame()
{
    QFETCH(quint64, semilla);
    TestGame t(semilla);
    QVERIFY(t.valido());
    MersenneRandom azarHumano(~semilla);
    RandomHuman humano(t.juego(), azarHumano);
    t.dialogos().responder(DialogService::Respuesta::No);
    t.iniciar();
    int turnos = 0;
    int manosContadas = 0;
    int repartos = 0;
    for (; humano.puedeJugar(); ++turnos) {
        const QByteArray antes = guardado(t);
        const std::string eleccion = azarHumano.estado();
        const int repartidas = t.estado().cartasRepartidas;
        const int puntos = t.estado().jugadorCpu.puntos() + t.estado().jugadorHumano.puntos();
        humano.jugar();
        if (!humano.puedeJugar())
            break; // the game is over and the program ended
        const QByteArray despues = guardado(t);
        t.juego().ordenar(OrdenDelJuego::Deshacer);
        QVERIFY2(guardado(t) == antes, qPrintable(QStringLiteral("undo at turn %1").arg(turnos)));
        t.juego().ordenar(OrdenDelJuego::Rehacer);
        QVERIFY2(guardado(t) == despues, qPrintable(QStringLiteral("redo at turn %1").arg(turnos)));
        t.juego().ordenar(OrdenDelJuego::Deshacer);
        QVERIFY(azarHumano.restaurar(eleccion));
        humano.jugar();
        QVERIFY2(guardado(t) == despues,
                 qPrintable(QStringLiteral("the same move again at turn %1").arg(turnos)));
        QVERIFY(!t.juego().puedeRehacer());
        QCOMPARE(t.estado().faltaDeConsistencia(), QString());
        repartos += t.estado().cartasRepartidas != repartidas;
        manosContadas
            += t.estado().jugadorCpu.puntos() + t.estado().jugadorHumano.puntos() != puntos;
    }
    QVERIFY(turnos > 40);
    QVERIFY2(repartos > 5 && manosContadas > 0, "the games went through deals and hands' ends");
}

void TestUndo::undoGoesBackToTheGamesStartAndNoFurther()
{
    TestGame t(5);
    QVERIFY(t.valido());
    MersenneRandom azarHumano(9);
    RandomHuman humano(t.juego(), azarHumano);
    t.iniciar();
    const QByteArray inicio = guardado(t);
    QVERIFY(!t.juego().puedeDeshacer());
    for (int i = 0; i < 8; ++i)
        humano.jugar();
    int deshechas = 0;
    while (t.juego().puedeDeshacer()) {
        t.juego().ordenar(OrdenDelJuego::Deshacer);
        ++deshechas;
    }
    QCOMPARE(deshechas, 8);
    QCOMPARE(guardado(t), inicio);
    // Undo with nothing left to undo changes nothing.
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(guardado(t), inicio);
    for (int i = 0; i < 8; ++i)
        t.juego().ordenar(OrdenDelJuego::Rehacer);
    QVERIFY(!t.juego().puedeRehacer());
}

// "Nuevo" asks nothing, and undo brings the hand it left back as it was: its cards, piles,
// points and turn, and its history. A game opened from a file starts undo afresh.
void TestUndo::undoAfterNuevoBringsTheHandBackAndAfterAbrirNothing()
{
    TestGame t(7);
    QVERIFY(t.valido());
    MersenneRandom azarHumano(3);
    RandomHuman humano(t.juego(), azarHumano);
    t.iniciar();
    humano.jugar();
    humano.jugar();
    const QByteArray otra = guardado(t, QStringLiteral("otra.dat"));
    const QStringList historial = t.juego().historial();
    const GameState mano = t.estado();
    t.juego().ordenar(OrdenDelJuego::Nuevo);
    QVERIFY(t.dialogos().mensajes().isEmpty());
    QVERIFY(guardado(t) != otra);
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(guardado(t), otra);
    QCOMPARE(t.estado().turno, mano.turno);
    QCOMPARE(t.estado().ultimoEnLevantar, mano.ultimoEnLevantar);
    QCOMPARE(t.juego().historial(), historial);

    humano.jugar();
    QVERIFY(t.juego().puedeDeshacer());
    t.dialogos().responder(DialogService::Respuesta::Ok);
    t.dialogos().responderArchivo(t.dir().ruta(QStringLiteral("otra.dat")));
    t.juego().ordenar(OrdenDelJuego::Abrir);
    QCOMPARE(guardado(t), otra);
    QVERIFY(!t.juego().puedeDeshacer());
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(guardado(t), otra);
    // From the opened position undo works again, back to it.
    humano.jugar();
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(guardado(t), otra);
}

// A recorded game: the number, then the human's moves from a seeded player.
// Replayed in another process's generator state it is the same game.
void TestUndo::sameNumberAndMovesGiveTheSameGame()
{
    const auto jugar = [](quint64 semillaDelReparto, int numero) {
        TestGame t(semillaDelReparto);
        MersenneRandom sorteo(semillaDelReparto + 100);
        t.juego().setSorteoDePartidas(sorteo);
        if (numero > 0)
            t.juego().setPartidaInicial(numero);
        MersenneRandom azarHumano(11);
        RandomHuman humano(t.juego(), azarHumano);
        t.dialogos().responder(DialogService::Respuesta::No);
        t.iniciar();
        QList<QByteArray> partida;
        for (int i = 0; i < 60 && humano.puedeJugar(); ++i) {
            partida << guardado(t);
            humano.jugar();
        }
        return std::pair { t.juego().numeroPartida(), partida };
    };
    const auto a = jugar(1, 48213);
    const auto b = jugar(2, 48213);
    QCOMPARE(a.first, 48213);
    QCOMPARE(a.second.size(), 60);
    QVERIFY(a.second == b.second);
    QVERIFY(jugar(1, 48214).second.first() != a.second.first());
    // Without a number asked for, one is drawn, and it is the game of that number.
    const auto sorteada = jugar(3, 0);
    QVERIFY(sorteada.first >= 1 && sorteada.first <= ZelboGame::kMaxPartida);
    QVERIFY(jugar(4, sorteada.first).second == sorteada.second);
}

void TestUndo::hintAndDificilDoNotChangeTheDeals()
{
    enum class Modo { Normal, ConPista, Dificil };
    const auto repartos = [](Modo modo) {
        TestGame t(1);
        t.juego().setPartidaInicial(777);
        ElectorDificil dificil(ElectorDificil::kSemilla, 4);
        Pista pista;
        if (modo == Modo::Dificil)
            t.juego().setElectorCpu(dificil);
        pista.setElector(
            [&dificil](const GameState &e) { return dificil.elegir(e, Lado::Humano); });
        Repartos r;
        r.seguir(t);
        MersenneRandom azarHumano(5);
        RandomHuman humano(t.juego(), azarHumano);
        t.dialogos().responder(DialogService::Respuesta::No);
        t.iniciar();
        QList<Jugada> pistas;
        while (humano.puedeJugar() && r.manos.size() < 12) {
            // What pressing H asks; its chooser draws from its own generator.
            if (modo == Modo::ConPista)
                pistas << pista.elegir(t.estado());
            humano.jugar();
        }
        return r.manos;
    };
    const QList<QList<int>> normal = repartos(Modo::Normal);
    QVERIFY(normal.size() >= 12);
    QCOMPARE(repartos(Modo::ConPista), normal);
    QCOMPARE(repartos(Modo::Dificil).mid(0, 12), normal.mid(0, 12));
}

void TestUndo::chosenGameStartsAtNil()
{
    TestGame t(1);
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1) };
    p.mesa = { oros(2), bastos(1) };
    p.pilaCpu = { copas(2) };
    p.pilaHumano = { bastos(2) };
    p.puntosCpu = 2;
    p.puntosHumano = 1;
    p.tamPilaCpu = 5;
    p.tamPilaHumano = 6;
    QVERIFY(t.cargar(p));
    QCOMPARE(t.estado().jugadorCpu.puntos(), 2);
    // Three points were given: the fourth hand is in play.
    QCOMPARE(t.estado().numeroDeMano, 4);
    t.dialogos().responderTexto(QStringLiteral(" 777 "));
    t.juego().ordenar(OrdenDelJuego::ElegirPartida);
    QCOMPARE(t.juego().numeroPartida(), 777);
    QCOMPARE(t.estado().numeroDeMano, 1);
    QCOMPARE(t.estado().jugadorCpu.puntos(), 0);
    QCOMPARE(t.estado().jugadorHumano.puntos(), 0);
    QCOMPARE(t.estado().faltaDeConsistencia(), QString());
    QVERIFY(!t.juego().puedeDeshacer());

    TestGame otra(99);
    otra.juego().setPartidaInicial(777);
    otra.iniciar();
    QCOMPARE(guardado(otra), guardado(t));
}

void TestUndo::badGameNumberIsRefused_data()
{
    QTest::addColumn<QString>("texto");
    QTest::newRow("zero") << "0";
    QTest::newRow("too big") << "1000000";
    QTest::newRow("negative") << "-5";
    QTest::newRow("words") << "cuarenta";
    QTest::newRow("empty") << "";
}

void TestUndo::badGameNumberIsRefused()
{
    QFETCH(QString, texto);
    TestGame t(1);
    t.juego().setPartidaInicial(12);
    t.iniciar();
    const QByteArray antes = guardado(t);
    t.dialogos().responderTexto(texto);
    t.juego().ordenar(OrdenDelJuego::ElegirPartida);
    QCOMPARE(t.dialogos().textos().last(),
             QStringLiteral("«%1» no es un número de partida: escribe un número entero del 1 al "
                            "999999.")
                 .arg(texto));
    QCOMPARE(t.juego().numeroPartida(), 12);
    QCOMPARE(guardado(t), antes);
}

void TestUndo::historyTellsEveryMove_data()
{
    QTest::addColumn<int>("jugada");
    QTest::addColumn<QStringList>("lineas");
    // The CPU holds espadas(4), which matches nothing the human leaves.
    QTest::newRow("lift") << 0
                          << QStringList { "Levantas el 5 y el 6 de oros con el Rey de oros",
                                           "La CPU tira el 4 de espadas a la mesa" };
    QTest::newRow("pile") << 1
                          << QStringList { "Te llevas el montón de la CPU con el 2 de copas",
                                           "La CPU tira el 4 de espadas a la mesa" };
    QTest::newRow("own pile") << 2
                              << QStringList { "Pones el As de bastos en tu montón",
                                               "La CPU tira el 4 de espadas a la mesa" };
    QTest::newRow("laid") << 3
                          << QStringList { "Tiras el 3 de espadas a la mesa",
                                           "La CPU levanta el 3 de espadas con el 4 de espadas" };
}

void TestUndo::historyTellsEveryMove()
{
    QFETCH(int, jugada);
    QFETCH(QStringList, lineas);
    TestGame t(1);
    Posicion p;
    p.humano = { jugada == 3 ? espadas(3) : oros(10), copas(2), bastos(1) };
    p.cpu = { espadas(4), copas(9) };
    p.mesa = { oros(5), bastos(9), oros(6) };
    p.pilaCpu = { copas(1) };
    p.pilaHumano = { bastos(2) };
    QVERIFY(t.cargar(p));
    const int antes = t.juego().historial().size();
    switch (jugada) {
    case 0:
        t.juego().pulsar({ GrupoImagen::cartap2img, 0 });
        t.juego().pulsar({ GrupoImagen::mesaimg, 0 });
        t.juego().pulsar({ GrupoImagen::mesaimg, 2 });
        t.juego().intentar(Intento::levantar());
        break;
    case 1:
        t.juego().pulsar({ GrupoImagen::cartap2img, 1 });
        t.juego().pulsar({ GrupoImagen::montonimg, 0 });
        t.juego().intentar(Intento::levantar());
        break;
    case 2:
        t.juego().intentar(Intento::alMonton(2));
        break;
    default:
        t.juego().intentar(Intento::tirar(0));
    }
    QCOMPARE(t.juego().historial().mid(antes), lineas);
}

void TestUndo::historyTellsEachHandsResult_data()
{
    QTest::addColumn<int>("pilaCpu");
    QTest::addColumn<int>("pilaHumano");
    QTest::addColumn<QString>("resultado");
    QTest::newRow("cpu") << 21 << 18 << "Mano para la CPU: 21 a 19";
    QTest::newRow("human") << 19 << 20 << "Mano para Ana: 21 a 19";
    QTest::newRow("tie") << 20 << 19 << "Mano empatada: 20 a 20";
}

// The human's last card goes onto the own pile and ends the hand; the next
// hand's heading follows the result.
void TestUndo::historyTellsEachHandsResult()
{
    QFETCH(int, pilaCpu);
    QFETCH(int, pilaHumano);
    QFETCH(QString, resultado);
    TestGame t(1);
    Posicion p;
    p.humano = { oros(1) };
    p.pilaCpu = { copas(3) };
    p.pilaHumano = { bastos(8) };
    p.tamPilaCpu = pilaCpu;
    p.tamPilaHumano = pilaHumano;
    QVERIFY(t.cargar(p));
    const int antes = t.juego().historial().size();
    t.juego().intentar(Intento::alMonton(0));
    const QStringList nuevas = t.juego().historial().mid(antes);
    QVERIFY(nuevas.size() >= 3);
    QCOMPARE(nuevas.at(0), QStringLiteral("Pones el As de oros en tu montón"));
    QCOMPARE(nuevas.at(1), resultado);
    QVERIFY(QRegularExpression(QStringLiteral("^Mano \\d+$")).match(nuevas.at(2)).hasMatch());
    // Undo takes the hand's end back: the result and the new hand go.
    t.juego().ordenar(OrdenDelJuego::Deshacer);
    QCOMPARE(t.juego().historial().size(), antes);
    QCOMPARE(t.estado().cartasRepartidas, 40);
    // Ended again, the hand is followed by the same heading, not by one more.
    t.juego().intentar(Intento::alMonton(0));
    QCOMPARE(t.juego().historial().mid(antes), nuevas);
}

void TestUndo::undoTakesItsMovesOutOfTheHistory()
{
    TestGame t(4);
    MersenneRandom azarHumano(2);
    RandomHuman humano(t.juego(), azarHumano);
    t.iniciar();
    const QStringList inicio = t.juego().historial();
    QVERIFY(inicio.contains(QStringLiteral("Mano 1")));
    deshacerDosJugadas(t, humano);
    if (QTest::currentTestFailed())
        return;
    const QStringList primera = t.juego().historial();

    // In a later game the lines of the games before stay as they are.
    const QString otra = t.dir().ruta(QStringLiteral("otra.dat"));
    QVERIFY(t.juego().GuardarJuego(otra));
    t.dialogos().responder(DialogService::Respuesta::Ok);
    t.dialogos().responderArchivo(otra);
    t.juego().ordenar(OrdenDelJuego::Abrir);
    const QStringList abierta = t.juego().historial();
    QCOMPARE(abierta.mid(0, primera.size()), primera);
    QCOMPARE(abierta.last(), QStringLiteral("Partida abierta de un archivo"));
    deshacerDosJugadas(t, humano);
}

// A long session must not make every position kept for undo longer.
void TestUndo::undoKeepsOnlyTheCurrentGamesLines()
{
    RegistroDeJugadas registro;
    registro.nuevaPartida(12);
    registro.nuevaMano();
    QCOMPARE(registro.lineasDeLaPartida(), registro.lineas());
    registro.nuevaPartida(0);
    registro.nuevaMano();
    const QStringList segunda { QStringLiteral("Partida nueva"), QStringLiteral("Mano 1") };
    QCOMPARE(registro.lineasDeLaPartida(), segunda);
    registro.partidaAbierta();
    QCOMPARE(registro.lineasDeLaPartida(), QStringList { "Partida abierta de un archivo" });
    registro.setLineasDeLaPartida(
        { QStringLiteral("Partida abierta de un archivo"), QStringLiteral("x") });
    QCOMPARE(registro.lineas(),
             QStringList({ "Partida 12", "Mano 1", "Partida nueva", "Mano 1",
                           "Partida abierta de un archivo", "x" }));
}

ZELBO_TEST_GUILESS_MAIN(TestUndo)
#include "tst_undo.moc"
