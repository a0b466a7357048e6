// SPDX-License-Identifier: GPL-3.0-or-later

#include "electorrapidocontador.h"
#include "electorrapidonormal.h"
#include "estimadorvictoria.h"
#include "gamestate.h"
#include "generadordificil.h"
#include "muestreodificil.h"
#include "muestreoexperto.h"
#include "partidacompacta.h"
#include "programadepruebas.h"
#include "reglascompactas.h"
#include "vistadificil.h"

#include <QTest>
#include <algorithm>
#include <bit>
#include <functional>
#include <numeric>

namespace {

using T = Jugada::Tipo;
const QStringList kPalos { "oros", "copas", "espadas", "bastos" };

// A position of the project's card set (card id / 10 is its palo) with the
// given lists; the piles are only a top and a size here.
PosicionCompacta posicion(const QList<int> &mia, const QList<int> &mesa, int topeRival = -1,
                          int montonRival = 0)
{
    PosicionCompacta p;
    p.palo = PartidaCompacta::palosDelMazo();
    p.turno = Lado::Cpu;
    for (int c : mia)
        p.mano[Lado::Cpu][p.enMano[Lado::Cpu]++] = static_cast<std::int8_t>(c);
    for (int c : mesa)
        p.mesa[p.enMesa++] = static_cast<std::int8_t>(c);
    p.tope[Lado::Humano] = static_cast<std::int8_t>(topeRival);
    p.monton[Lado::Humano] = static_cast<std::uint8_t>(montonRival);
    return p;
}

// A shuffled deck of the compact model.
std::array<std::int8_t, PosicionCompacta::kCartas> barajar(GeneradorDificil &azar)
{
    std::array<std::int8_t, PosicionCompacta::kCartas> b {};
    std::iota(b.begin(), b.end(), std::int8_t { 0 });
    for (int i = PosicionCompacta::kCartas - 1; i > 0; --i)
        std::swap(b[static_cast<std::size_t>(i)],
                  b[static_cast<std::size_t>(azar.menorQue(i + 1))]);
    return b;
}

// The running game behind a compact position, written the engine's way.
GameState comoEstado(const PosicionCompacta &p)
{
    GameState e;
    for (int n = 1; n <= PosicionCompacta::kCartas; ++n)
        e.mazo.carta(n).a_palo(kPalos.at(p.palo[static_cast<std::size_t>(n - 1)]));
    const auto entrada = [](int id) { return static_cast<CardId>(id + 1); };
    const PorLado<CardList *> manos { { &e.player1, &e.player2 } };
    const PorLado<CardList *> pilas { { &e.player1Lev, &e.player2Lev } };
    std::uint64_t resto = p.apiladas;
    for (const Lado s : kLados) {
        if (p.tope[s] != PosicionCompacta::kNinguna)
            resto &= ~PosicionCompacta::bit(p.tope[s]);
    }
    for (const Lado s : kLados) {
        for (int i = 0; i < p.enMano[s]; ++i)
            manos[s]->append(entrada(p.mano[s][i]));
        if (p.tope[s] != PosicionCompacta::kNinguna)
            pilas[s]->append(entrada(p.tope[s]));
        while (pilas[s]->count() < p.monton[s] && resto != 0) {
            pilas[s]->append(entrada(std::countr_zero(resto)));
            resto &= resto - 1;
        }
    }
    for (int i = 0; i < p.enMesa; ++i)
        e.lamesa.append(entrada(p.mesa[i]));
    e.cartasRepartidas = p.repartidas;
    e.primerReparto = false;
    e.ultimoEnLevantar = p.ultimo;
    return e;
}

// The rules as a player reads them off the game, palo texts and all:
// written apart from the compact rules so that each checks the other.
bool legalEnEstado(const GameState &e, Lado lado, const Jugada &j)
{
    const CardList &mano = lado == Lado::Cpu ? e.player1 : e.player2;
    const CardList &pilaRival = lado == Lado::Cpu ? e.player2Lev : e.player1Lev;
    if (j.carta < 0 || j.carta >= mano.count())
        return false;
    const QString palo = e.palo(mano.at(j.carta));
    bool mesaTienePalo = false;
    for (const CardId c : e.lamesa)
        mesaTienePalo = mesaTienePalo || e.palo(c) == palo;
    switch (j.tipo) {
    case T::AlMonton:
        return j.mesa.empty();
    case T::LevantarMonton:
        return j.mesa.empty() && !pilaRival.isEmpty() && e.palo(pilaRival.at(0)) == palo;
    case T::Tirar:
        return j.mesa.empty() && !mesaTienePalo;
    case T::LevantarMesa:
        if (j.mesa.empty() || !std::is_sorted(j.mesa.begin(), j.mesa.end())
            || std::adjacent_find(j.mesa.begin(), j.mesa.end()) != j.mesa.end())
            return false;
        return std::all_of(j.mesa.begin(), j.mesa.end(), [&](int i) {
            return i >= 0 && i < 7 && i < e.lamesa.count() && e.palo(e.lamesa.at(i)) == palo;
        });
    }
    return false;
}

// Positions met in games of the compact model, each handed to visit before
// its move; the moves are Normal's and the counting player's by turns.
void recorrerPartidas(int manos, std::uint64_t semilla,
                      const std::function<void(const PosicionCompacta &)> &visitar)
{
    GeneradorDificil azar(semilla);
    PosicionCompacta p;
    p.palo = PartidaCompacta::palosDelMazo();
    for (int mano = 0; mano < manos; ++mano) {
        p.nuevaMano(barajar(azar));
        int jugada = 0;
        while (!p.manoTerminada()) {
            visitar(p);
            p.aplicar((jugada++ + mano) % 3 == 0 ? ElectorRapidoNormal::elegir(p)
                                                 : ElectorRapidoContador::elegir(p));
        }
        p.cerrarMano();
    }
}

} // namespace

class TestDificil : public QObject
{
    Q_OBJECT

private slots:
    void legalMovesFollowTheTableRules_data();
    void legalMovesFollowTheTableRules();
    void compactRulesAgreeWithTheGameState();
    void movesBuildThePilesAsTheGameDoes();
    void chanceOfHoldingAPalo_data();
    void chanceOfHoldingAPalo();
    void viewShowsOnlyWhatTheSeatSees();
    void hiddenCardsNeverChangeTheChoice();
    void choicesAreLegalFromBothSeats();
    void difficultBeatsNormalFromBothSeats();
};

void TestDificil::legalMovesFollowTheTableRules_data()
{
    // Card ids: oros 0-9, copas 10-19, espadas 20-29, bastos 30-39.
    QTest::addColumn<PosicionCompacta>("p");
    QTest::addColumn<int>("alMonton");
    QTest::addColumn<int>("levantarMonton");
    QTest::addColumn<int>("levantarMesa");
    QTest::addColumn<int>("tirar");

    QTest::newRow("empty table: lay or onto the pile") << posicion({ 0 }, {}) << 1 << 0 << 0 << 1;
    QTest::newRow("a match refuses laying, however far along the table")
        << posicion({ 0 }, { 10, 11, 12, 13, 14, 15, 16, 1 }) << 1 << 0 << 0 << 0;
    QTest::newRow("two matching places: every non-empty subset")
        << posicion({ 0 }, { 1, 10, 2 }) << 1 << 0 << 3 << 0;
    QTest::newRow("only the seven board places can be marked")
        << posicion({ 0 }, { 1, 10, 11, 12, 13, 14, 15, 2 }) << 1 << 0 << 1 << 0;
    QTest::newRow("the opponent's pile when its top matches")
        << posicion({ 0 }, { 20 }, 5, 4) << 1 << 1 << 0 << 1;
    QTest::newRow("not when its top has another palo")
        << posicion({ 0 }, { 20 }, 15, 4) << 1 << 0 << 0 << 1;
    QTest::newRow("each hand card on its own")
        << posicion({ 0, 10, 11 }, { 12 }) << 3 << 0 << 2 << 1;
}

void TestDificil::legalMovesFollowTheTableRules()
{
    QFETCH(PosicionCompacta, p);
    QFETCH(int, alMonton);
    QFETCH(int, levantarMonton);
    QFETCH(int, levantarMesa);
    QFETCH(int, tirar);
    std::array<int, 4> porTipo {};
    for (const MovimientoCompacto &m : ReglasCompactas::movimientos(p, Lado::Cpu))
        ++porTipo[static_cast<std::size_t>(m.tipo)];
    QCOMPARE(porTipo[static_cast<std::size_t>(T::AlMonton)], alMonton);
    QCOMPARE(porTipo[static_cast<std::size_t>(T::LevantarMonton)], levantarMonton);
    QCOMPARE(porTipo[static_cast<std::size_t>(T::LevantarMesa)], levantarMesa);
    QCOMPARE(porTipo[static_cast<std::size_t>(T::Tirar)], tirar);
}

void TestDificil::compactRulesAgreeWithTheGameState()
{
    // Every move a player could try, against both readings of the rules.
    int posiciones = 0;
    recorrerPartidas(40, 11, [&](const PosicionCompacta &p) {
        ++posiciones;
        const GameState e = comoEstado(p);
        for (int slot = 0; slot < p.enMano[p.turno]; ++slot) {
            for (int tipo = 0; tipo < 4; ++tipo) {
                for (unsigned lugares = 0; lugares < 256; ++lugares) {
                    Jugada j;
                    j.tipo = static_cast<T>(tipo);
                    j.carta = slot;
                    for (int i = 0; i < 8; ++i) {
                        if (lugares & (1U << i))
                            j.mesa.push_back(i);
                    }
                    QCOMPARE(ReglasCompactas::esLegal(p, p.turno, j), legalEnEstado(e, p.turno, j));
                }
            }
        }
    });
    QCOMPARE(posiciones, 40 * 36);
}

void TestDificil::movesBuildThePilesAsTheGameDoes()
{
    // The CPU lifts oros at places 0 and 2: the highest place ends on top.
    PosicionCompacta p = posicion({ 0, 30 }, { 1, 20, 2 }, 15, 3);
    p.mano[Lado::Humano] = { 31, 32, 33 };
    p.enMano[Lado::Humano] = 3;
    p.repartidas = PosicionCompacta::kCartas;
    p.aplicar({ T::LevantarMesa, 0, 0b101 });
    QCOMPARE(int(p.tope[Lado::Cpu]), 2);
    QCOMPARE(int(p.monton[Lado::Cpu]), 3);
    QCOMPARE(int(p.enMesa), 1);
    QCOMPARE(int(p.mesa[0]), 20);
    QCOMPARE(p.ultimo, Lado::Cpu);
    QCOMPARE(p.turno, Lado::Humano);
    // The human's card goes onto its own pile: the last lifter stays.
    p.aplicar({ T::AlMonton, 1, 0 });
    QCOMPARE(int(p.tope[Lado::Humano]), 32);
    QCOMPARE(int(p.monton[Lado::Humano]), 4);
    QCOMPARE(p.ultimo, Lado::Cpu);
    // Taking the opponent's pile: the hand card on top, the piles joined.
    p.mano[Lado::Cpu][0] = 34;
    p.aplicar({ T::LevantarMonton, 0, 0 });
    QCOMPARE(int(p.tope[Lado::Cpu]), 34);
    QCOMPARE(int(p.monton[Lado::Cpu]), 8);
    QCOMPARE(int(p.monton[Lado::Humano]), 0);
    QCOMPARE(int(p.tope[Lado::Humano]), -1);
    // Laying appends at the end of the table.
    p.aplicar({ T::Tirar, 1, 0 });
    QCOMPARE(int(p.enMesa), 2);
    QCOMPARE(int(p.mesa[1]), 33);
    // At the end the table goes to the last lifter, beneath its top.
    p.enMano = {};
    QVERIFY(p.manoTerminada());
    QCOMPARE(p.cerrarMano(), 10 - 0);
    QCOMPARE(int(p.tope[Lado::Cpu]), 34);
    QCOMPARE(int(p.enMesa), 0);
}

void TestDificil::chanceOfHoldingAPalo_data()
{
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("u");
    QTest::addColumn<int>("h");
    QTest::addColumn<double>("esperada");
    QTest::newRow("none of the palo unseen") << 0 << 20 << 3 << 0.0;
    QTest::newRow("an empty hand") << 5 << 20 << 0 << 0.0;
    QTest::newRow("one card among ten, three drawn") << 1 << 10 << 3 << 0.3;
    QTest::newRow("two among four, two drawn") << 2 << 4 << 2 << 5.0 / 6.0;
    QTest::newRow("too few others to avoid it") << 8 << 10 << 3 << 1.0;
}

void TestDificil::chanceOfHoldingAPalo()
{
    QFETCH(int, c);
    QFETCH(int, u);
    QFETCH(int, h);
    QFETCH(double, esperada);
    QVERIFY(qAbs(ElectorRapidoContador::probabilidadDeTener(c, u, h) - esperada) < 1e-12);
}

void TestDificil::viewShowsOnlyWhatTheSeatSees()
{
    recorrerPartidas(8, 5, [](const PosicionCompacta &p) {
        const Lado yo = p.turno;
        const Lado rival = contrario(yo);
        const VistaDificil v = VistaDificil::desdeEstado(comoEstado(p), yo);
        const PosicionCompacta &q = v.posicion;
        QCOMPARE(q.mascaraMano(yo), p.mascaraMano(yo));
        QCOMPARE(q.mascaraMesa(), p.mascaraMesa());
        QCOMPARE(q.tope, p.tope);
        QCOMPARE(q.monton, p.monton);
        QCOMPARE(q.apiladas, p.apiladas);
        QCOMPARE(q.enMano[rival], p.enMano[rival]);
        QCOMPARE(q.ultimo, p.ultimo);
        // Unseen: exactly the opponent's hand and the undealt cards.
        std::uint64_t ocultas = p.mascaraMano(rival);
        for (int i = p.repartidas; i < PosicionCompacta::kCartas; ++i)
            ocultas |= PosicionCompacta::bit(p.orden[static_cast<std::size_t>(i)]);
        QCOMPARE(v.ocultas, ocultas);
        QVERIFY(std::all_of(q.mano[rival].begin(), q.mano[rival].end(),
                            [](std::int8_t c) { return c == PosicionCompacta::kNinguna; }));
    });
}

void TestDificil::hiddenCardsNeverChangeTheChoice()
{
    // The same position with the opponent's hand and the deck dealt anew
    // from the same unseen cards: the same choice of Difícil and Experto, and
    // the same chances to win.
    const MuestreoDificil jugador;
    const MuestreoExperto experto(40);
    const EstimadorVictoria estimador(40);
    GeneradorDificil azar(77);
    int comparadas = 0;
    recorrerPartidas(12, 3, [&](const PosicionCompacta &p) {
        const Lado rival = contrario(p.turno);
        if (p.repartidas >= PosicionCompacta::kCartas)
            return; // nothing is hidden but the opponent's hand, which is then known
        PosicionCompacta otra = p;
        std::vector<std::int8_t> ocultas(p.mano[rival].begin(),
                                         p.mano[rival].begin() + p.enMano[rival]);
        ocultas.insert(ocultas.end(), p.orden.begin() + p.repartidas, p.orden.end());
        for (std::size_t i = ocultas.size() - 1; i > 0; --i)
            std::swap(ocultas[i], ocultas[static_cast<std::size_t>(azar.menorQue(int(i) + 1))]);
        std::copy_n(ocultas.begin(), p.enMano[rival], otra.mano[rival].begin());
        std::copy(ocultas.begin() + p.enMano[rival], ocultas.end(),
                  otra.orden.begin() + p.repartidas);
        const std::uint64_t semilla = 1000 + static_cast<std::uint64_t>(comparadas);
        QCOMPARE(jugador.elegir(VistaDificil::desdePosicion(p, p.turno), semilla),
                 jugador.elegir(VistaDificil::desdePosicion(otra, p.turno), semilla));
        QCOMPARE(jugador.elegir(comoEstado(p), p.turno, semilla),
                 jugador.elegir(comoEstado(otra), p.turno, semilla));
        QCOMPARE(experto.elegir(comoEstado(p), p.turno, semilla),
                 experto.elegir(comoEstado(otra), p.turno, semilla));
        const ChancesDeGanar antes = estimador.estimar(comoEstado(p), p.turno);
        const ChancesDeGanar despues = estimador.estimar(comoEstado(otra), p.turno);
        QCOMPARE(antes.mano, despues.mano);
        QCOMPARE(antes.partida, despues.partida);
        ++comparadas;
    });
    QVERIFY(comparadas > 300);
}

void TestDificil::choicesAreLegalFromBothSeats()
{
    const MuestreoDificil jugador;
    const MuestreoExperto experto(40);
    PorLado<int> porLado {};
    std::array<int, 4> porTipo {};
    std::array<int, 4> porTipoExperto {};
    recorrerPartidas(60, 9, [&](const PosicionCompacta &p) {
        const GameState e = comoEstado(p);
        const auto semilla = static_cast<std::uint64_t>(porLado[Lado::Cpu]);
        const Jugada j = jugador.elegir(e, p.turno, semilla);
        const Jugada x = experto.elegir(e, p.turno, semilla);
        for (const Jugada &jugada : { j, x }) {
            if (!legalEnEstado(e, p.turno, jugada))
                QFAIL(qPrintable(QStringLiteral("illegal move: kind %1, slot %2")
                                     .arg(static_cast<int>(jugada.tipo))
                                     .arg(jugada.carta)));
        }
        ++porLado[p.turno];
        ++porTipo[static_cast<std::size_t>(j.tipo)];
        ++porTipoExperto[static_cast<std::size_t>(x.tipo)];
    });
    QVERIFY(std::all_of(porTipoExperto.begin(), porTipoExperto.end(), [](int n) { return n > 0; }));
    QVERIFY(porLado[Lado::Cpu] > 1000 && porLado[Lado::Humano] > 1000);
    // It plays every kind of move, not one kind that happens to be legal.
    QVERIFY(std::all_of(porTipo.begin(), porTipo.end(), [](int n) { return n > 0; }));
}

void TestDificil::difficultBeatsNormalFromBothSeats()
{
    const MuestreoDificil jugador;
    std::uint64_t semilla = 0;
    int ilegales = 0;
    const PartidaCompacta::Elector dificil = [&](const PosicionCompacta &p) {
        const MovimientoCompacto m
            = jugador.elegirCompacto(VistaDificil::desdePosicion(p, p.turno), semilla);
        ilegales += !ReglasCompactas::esLegal(p, p.turno, m.comoJugada());
        return m;
    };
    const PartidaCompacta::Elector normal = ElectorRapidoNormal::elegir;
    constexpr int kPartidas = 40;
    for (const Lado lado : kLados) {
        int ganadas = 0;
        for (int g = 0; g < kPartidas; ++g) {
            semilla = 500 + static_cast<std::uint64_t>(g);
            const auto r = lado == Lado::Cpu
                ? PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), dificil, normal, semilla)
                : PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), normal, dificil, semilla);
            ganadas += r.ganador == lado;
        }
        // About 93% in long runs; 75% leaves room for the luck of 40 games.
        QVERIFY2(ganadas >= kPartidas * 3 / 4, qPrintable(QString::number(ganadas)));
    }
    QCOMPARE(ilegales, 0);
}

ZELBO_TEST_GUILESS_MAIN(TestDificil)
#include "tst_dificil.moc"
