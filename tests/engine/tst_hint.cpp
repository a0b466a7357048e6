// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "frasejugada.h"
#include "partidasdeprueba.h"
#include "pista.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "testgame.h"

#include <QTest>

using namespace Naipes;
using Tipo = Jugada::Tipo;

Q_DECLARE_METATYPE(Jugada)

namespace {

constexpr int kPartidas = partidasDePrueba(2000);

bool esAvisoDeFinDeMano(const QString &texto)
{
    return texto == QStringLiteral("Contando puntajes")
        || texto == QStringLiteral("¿Jugar de nuevo?") || texto == QStringLiteral("Mano empatada")
        || texto.endsWith(QStringLiteral(" gana la mano"));
}

// The rule told independently of the hint: the best move by kind, from the
// moves the simulator's player knows to be legal. Also counts the ties met.
Jugada segunLaRegla(const GameState &e, int &empates)
{
    const int mano = e.player2.count();
    QList<int> tomanMonton;
    QList<std::vector<int>> lugares;
    int mejor = 0;
    for (int slot = 0; slot < mano; ++slot) {
        if (RandomHuman::legales(e, slot).contains(RandomHuman::Movimiento::LevantarMonton))
            tomanMonton << slot;
        std::vector<int> suyos;
        for (int j = 0; j < std::min(e.lamesa.count(), 7); ++j)
            if (e.palo(e.lamesa.at(j)) == e.palo(e.player2.at(slot)))
                suyos.push_back(j);
        mejor = std::max(mejor, static_cast<int>(suyos.size()));
        lugares << suyos;
    }
    if (!tomanMonton.isEmpty()) {
        empates += tomanMonton.size() > 1 ? 1 : 0;
        return { Tipo::LevantarMonton, tomanMonton.first(), {} };
    }
    if (mejor > 0) {
        const auto n = std::count_if(lugares.begin(), lugares.end(),
                                     [mejor](const auto &l) { return int(l.size()) == mejor; });
        empates += n > 1 ? 1 : 0;
        for (int slot = 0; slot < mano; ++slot)
            if (int(lugares.at(slot).size()) == mejor)
                return { Tipo::LevantarMesa, slot, lugares.at(slot) };
    }
    for (int slot = 0; slot < mano; ++slot)
        if (RandomHuman::legales(e, slot).contains(RandomHuman::Movimiento::Tirar))
            return { Tipo::Tirar, slot, {} };
    return { Tipo::AlMonton, 0, {} };
}

// Carries the move out as the keys do: the hint's marks, then Enter.
void jugar(ZelboGame &juego, const Jugada &j)
{
    juego.marcarJugada(j);
    juego.intentar(Intento::jugarMarcas());
}

} // namespace

class TestHint : public QObject
{
    Q_OBJECT

private slots:
    void hintFollowsTheRule_data();
    void hintFollowsTheRule();
    void hintIsLegalAndFollowsTheRuleInThousandsOfGames();
    void hintAsksTheChooserItIsGiven();
    void cpuTellsEachKindOfMove_data();
    void cpuTellsEachKindOfMove();
    void dropOnATableCardLiftsWithTheMarkedCardsOfItsPalo();
};

void TestHint::hintFollowsTheRule_data()
{
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<Jugada>("esperada");
    QTest::addColumn<QString>("frase");
    const auto pos = [](QList<int> humano, QList<int> mesa, QList<int> pilaCpu) {
        Posicion p;
        p.humano = humano;
        p.cpu = { espadas(3) };
        p.mesa = mesa;
        p.pilaCpu = pilaCpu;
        p.pilaHumano = { espadas(4) };
        return p;
    };
    QTest::newRow("the CPU's pile before a bigger lift")
        << pos({ oros(1), copas(1) }, { oros(2), oros(3) }, { copas(5) })
        << Jugada { Tipo::LevantarMonton, 1, {} }
        << "Llévate el montón de la CPU con el As de copas (Intro)";
    QTest::newRow("the CPU's pile: lowest matching slot")
        << pos({ oros(1), copas(2), copas(9) }, {}, { copas(5) })
        << Jugada { Tipo::LevantarMonton, 1, {} }
        << "Llévate el montón de la CPU con el 2 de copas (Intro)";
    QTest::newRow("the lift of most table cards")
        << pos({ copas(1), oros(10) }, { copas(2), oros(5), bastos(1), oros(7) }, {})
        << Jugada { Tipo::LevantarMesa, 1, { 1, 3 } }
        << "Levanta el 5 y el 7 de oros con el Rey de oros (Intro)";
    QTest::newRow("a tie between lifts: lowest slot")
        << pos({ oros(4), bastos(8), copas(9) }, { copas(2), bastos(1), oros(8) }, { espadas(1) })
        << Jugada { Tipo::LevantarMesa, 0, { 2 } }
        << "Levanta la Sota de oros con el 4 de oros (Intro)";
    QTest::newRow("three cards lifted")
        << pos({ copas(9) }, { copas(2), bastos(1), copas(8), copas(3) }, {})
        << Jugada { Tipo::LevantarMesa, 0, { 0, 2, 3 } }
        << "Levanta el 2, la Sota y el 3 de copas con el Caballo de copas (Intro)";
    QTest::newRow("nothing to lift: lay the lowest slot")
        << pos({ espadas(8), bastos(4) }, { oros(1) }, { copas(1) })
        << Jugada { Tipo::Tirar, 0, {} } << "Tira la Sota de espadas a la mesa (Intro)";
    QTest::newRow("empty table") << pos({ bastos(4) }, {}, {}) << Jugada { Tipo::Tirar, 0, {} }
                                 << "Tira el 4 de bastos a la mesa (Intro)";
    // Only a state built by hand holds such a table: no game leads there, and a
    // saved game with it is refused.
    QTest::newRow("the match lies past the board's places: own pile")
        << pos({ bastos(2) },
               { oros(1), oros(2), copas(1), copas(2), espadas(1), espadas(2), oros(3), bastos(1) },
               {})
        << Jugada { Tipo::AlMonton, 0, {} } << "Pon el 2 de bastos en tu montón (Intro)";
}

void TestHint::hintFollowsTheRule()
{
    QFETCH(Posicion, posicion);
    QFETCH(Jugada, esperada);
    QFETCH(QString, frase);
    TestGame tg;
    QVERIFY(tg.valido());
    tg.iniciar();
    const GameState e = posicion.estado(tg.estado().mazo);
    const Jugada j = Pista().elegir(e);
    QCOMPARE(j.tipo, esperada.tipo);
    QCOMPARE(j.carta, esperada.carta);
    QCOMPARE(QList<int>(j.mesa.begin(), j.mesa.end()),
             QList<int>(esperada.mesa.begin(), esperada.mesa.end()));
    QCOMPARE(FraseJugada::pista(e, j), frase);
}

void TestHint::hintIsLegalAndFollowsTheRuleInThousandsOfGames()
{
    TestGame base;
    QVERIFY(base.valido());
    const Pista pista;
    int movimientos = 0;
    int empates = 0;
    QSet<Tipo> tipos;
    for (quint64 semilla = 1; semilla <= kPartidas; ++semilla) {
        FakeView vista;
        FakeDialogs dialogos;
        MersenneRandom azar(semilla);
        AjustesJuego ajustes;
        ZelboGame juego(base.dir().path(), vista, dialogos, azar, ajustes);
        dialogos.responder(DialogService::Respuesta::No);
        juego.iniciar();
        while (!juego.terminado() && !juego.estado().player2.isEmpty()) {
            const GameState &e = juego.estado();
            const Jugada j = pista.elegir(e);
            const Jugada regla = segunLaRegla(e, empates);
            QVERIFY2(j == regla, qPrintable(QStringLiteral("seed %1").arg(semilla)));
            tipos.insert(j.tipo);
            const int antes = vista.actualizaciones();
            jugar(juego, j);
            ++movimientos;
            QVERIFY2(juego.terminado() || vista.actualizaciones() > antes,
                     qPrintable(QStringLiteral("seed %1: refused with \"%2\"")
                                    .arg(semilla)
                                    .arg(dialogos.textos().value(dialogos.textos().size() - 1))));
        }
        for (const QString &texto : dialogos.textos())
            QVERIFY2(esAvisoDeFinDeMano(texto), qPrintable(texto));
        QCOMPARE(vista.resultados().size(), 1);
    }
    // With four palos the table never outgrows the board, so the own pile is
    // never the best move.
    QCOMPARE(tipos, QSet<Tipo>({ Tipo::LevantarMonton, Tipo::LevantarMesa, Tipo::Tirar }));
    QVERIFY2(empates > partidasDePrueba(1000), qPrintable(QString::number(empates)));
    QVERIFY(movimientos > 50 * kPartidas);
}

void TestHint::hintAsksTheChooserItIsGiven()
{
    TestGame tg;
    QVERIFY(tg.valido());
    tg.iniciar();
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(3) };
    p.mesa = { oros(2) };
    const GameState e = p.estado(tg.estado().mazo);
    Pista pista;
    const Jugada otra { Tipo::AlMonton, 1, {} };
    pista.setElector([&otra](const GameState &) { return otra; });
    QCOMPARE(pista.elegir(e), otra);
    pista.setElector({});
    QCOMPARE(pista.elegir(e), (Jugada { Tipo::LevantarMesa, 0, { 0 } }));
}

void TestHint::cpuTellsEachKindOfMove_data()
{
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("frase");
    // The human lays espadas(9); then the CPU plays its first card. The piles
    // are filled up from below to a dealt count a saved game can hold.
    const auto pos = [](QList<int> cpu, QList<int> mesa, int pilaCpu, int pilaHumano) {
        Posicion p;
        p.humano = { espadas(9), espadas(7) };
        p.cpu = cpu;
        p.mesa = mesa;
        p.pilaCpu = { pilaCpu };
        p.pilaHumano = { pilaHumano };
        const int resto = 16 - 6 - static_cast<int>(mesa.size());
        p.tamPilaCpu = 1 + resto / 2;
        p.tamPilaHumano = 1 + resto - resto / 2;
        return p;
    };
    QTest::newRow("onto its pile")
        << pos({ espadas(1), oros(4) }, {}, espadas(2), bastos(9)) << int(Tipo::AlMonton)
        << "La CPU pone el As de espadas en su montón";
    QTest::newRow("takes the human's pile")
        << pos({ copas(3), oros(4) }, { copas(2) }, bastos(8), copas(5))
        << int(Tipo::LevantarMonton) << "La CPU se lleva tu montón con el 3 de copas";
    QTest::newRow("lifts from the table")
        << pos({ oros(10), bastos(4) }, { oros(5), copas(2), oros(7) }, bastos(8), bastos(9))
        << int(Tipo::LevantarMesa) << "La CPU levanta el 5 y el 7 de oros con el Rey de oros";
    QTest::newRow("lays") << pos({ bastos(4), oros(4) }, { copas(2) }, oros(6), copas(6))
                          << int(Tipo::Tirar) << "La CPU tira el 4 de bastos a la mesa";
}

void TestHint::cpuTellsEachKindOfMove()
{
    QFETCH(Posicion, posicion);
    QFETCH(int, tipo);
    QFETCH(QString, frase);
    TestGame tg;
    QVERIFY(tg.valido());
    QVERIFY(tg.cargar(posicion));
    tg.juego().intentar(Intento::tirar(0));
    QCOMPARE(tg.vista().frasesCpu(), QStringList { frase });
    QCOMPARE(int(tg.vista().jugadasCpu().value(0).tipo), tipo);
}

void TestHint::dropOnATableCardLiftsWithTheMarkedCardsOfItsPalo()
{
    TestGame tg;
    QVERIFY(tg.valido());
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(3) };
    p.mesa = { oros(2), copas(2), oros(3), oros(4) };
    p.tamPilaCpu = 1;
    p.tamPilaHumano = 2;
    QVERIFY(tg.cargar(p));
    ZelboGame &j = tg.juego();
    j.pulsar({ GrupoImagen::mesaimg,
               1 }); // another palo, marked before any hand card: left out of the lift
    j.pulsar({ GrupoImagen::mesaimg, 2 });
    j.intentar(
        Intento::soltarEnMesa(0, 1)); // copas(2) is not of the palo of oros(1): nothing happens
    QCOMPARE(tg.estado().lamesa.count(), 4);
    QVERIFY(tg.dialogos().textos().isEmpty());
    j.intentar(Intento::soltarEnMesa(0, 0));
    QCOMPARE(Posicion::numeros(tg.estado().player2Lev).mid(0, 3),
             QList<int>({ oros(3), oros(2), oros(1) }));
    QCOMPARE(Posicion::numeros(tg.estado().lamesa).mid(0, 2), QList<int>({ copas(2), oros(4) }));
    QVERIFY(tg.dialogos().textos().isEmpty());
}

ZELBO_TEST_MAIN(TestHint)
#include "tst_hint.moc"
