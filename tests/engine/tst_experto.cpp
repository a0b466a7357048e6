// SPDX-License-Identifier: GPL-3.0-or-later

#include "busquedaexacta.h"
#include "chancedepartida.h"
#include "electorrapidocontador.h"
#include "electorrapidonormal.h"
#include "estimadorvictoria.h"
#include "generadordificil.h"
#include "muestreodificil.h"
#include "muestreoexperto.h"
#include "nivelcpu.h"
#include "partidacompacta.h"
#include "programadepruebas.h"
#include "reglascompactas.h"
#include "revisordejugadas.h"

#include <QTest>
#include <algorithm>
#include <functional>
#include <numeric>

namespace {

using T = Jugada::Tipo;
using Fin = ChanceDePartida::FinDeMano;
constexpr Lado kCpu = Lado::Cpu;
constexpr Lado kHumano = Lado::Humano;

// Positions of seeded hands of the compact model, each handed to visit
// before its move; the moves are Normal's and the counting player's by turns.
void recorrerManos(int manos, std::uint64_t semilla,
                   const std::function<void(const PosicionCompacta &)> &visitar)
{
    GeneradorDificil azar(semilla);
    PosicionCompacta p;
    p.palo = PartidaCompacta::palosDelMazo();
    for (int mano = 0; mano < manos; ++mano) {
        std::array<std::int8_t, PosicionCompacta::kCartas> b {};
        std::iota(b.begin(), b.end(), std::int8_t { 0 });
        for (int i = PosicionCompacta::kCartas - 1; i > 0; --i)
            std::swap(b[static_cast<std::size_t>(i)],
                      b[static_cast<std::size_t>(azar.menorQue(i + 1))]);
        p.nuevaMano(b);
        p.puntos = { static_cast<std::uint8_t>(mano % 3), static_cast<std::uint8_t>(mano / 3 % 3) };
        int jugada = 0;
        while (!p.manoTerminada()) {
            visitar(p);
            p.aplicar((jugada++ + mano) % 3 == 0 ? ElectorRapidoNormal::elegir(p)
                                                 : ElectorRapidoContador::elegir(p));
        }
        p.cerrarMano();
    }
}

// Minimax over every legal move, without pruning or merging cards of one palo.
double minimax(const PosicionCompacta &p, Lado yo, const BusquedaExacta::Utilidad &u)
{
    if (p.manoTerminada()) {
        PosicionCompacta fin = p;
        const int diferencia = fin.cerrarMano();
        return u.de(yo == kCpu ? diferencia : -diferencia);
    }
    std::vector<double> valores;
    for (const MovimientoCompacto &m : ReglasCompactas::movimientos(p, p.turno)) {
        PosicionCompacta q = p;
        q.aplicar(m);
        valores.push_back(minimax(q, yo, u));
    }
    return p.turno == yo ? *std::max_element(valores.begin(), valores.end())
                         : *std::min_element(valores.begin(), valores.end());
}

} // namespace

class TestExperto : public QObject
{
    Q_OBJECT

private slots:
    void gameChanceFromTheScore();
    void exactSearchAgreesWithFullMinimax();
    void estimateIsDeterministicAndAddsUp();
    void estimateSeesWhoLeadsTheHand();
    void reviewClassesFromLosses_data();
    void reviewClassesFromLosses();
    void reviewCondemnsThrowingAwayAPileTake();
    void reviewNamesOnlyAClearlyBetterMove();
    void expertoLegalInSeededGames();
    void freshGameChanceIsAgainstTheLevel_data();
    void freshGameChanceIsAgainstTheLevel();
    void reviewTutorAndBarShowOneFigure_data();
    void reviewTutorAndBarShowOneFigure();
};

void TestExperto::gameChanceFromTheScore()
{
    for (int a = 0; a < 3; ++a) {
        for (int b = 0; b < 3; ++b) {
            for (const bool abre : { false, true }) {
                // One seat's chance and the other's make one.
                QVERIFY(qAbs(ChanceDePartida::antesDeMano(a, b, abre)
                             + ChanceDePartida::antesDeMano(b, a, !abre) - 1.0)
                        < 1e-12);
                // A point won never lowers the chance; a point lost never raises it.
                QVERIFY(ChanceDePartida::trasMano(a, b, abre, Fin::Gana)
                        > ChanceDePartida::trasMano(a, b, abre, Fin::Empata));
                QVERIFY(ChanceDePartida::trasMano(a, b, abre, Fin::Empata)
                        > ChanceDePartida::trasMano(a, b, abre, Fin::Pierde));
            }
        }
    }
    QCOMPARE(ChanceDePartida::trasMano(2, 1, true, Fin::Gana), 1.0);
    QCOMPARE(ChanceDePartida::trasMano(1, 2, false, Fin::Pierde), 0.0);
    // At 2-2 the next hand decides, at the shares of the seats.
    const double responde = ChanceDePartida::kGanaQuienResponde
        / (ChanceDePartida::kGanaQuienResponde + ChanceDePartida::kGanaQuienAbre);
    QVERIFY(qAbs(ChanceDePartida::antesDeMano(2, 2, false) - responde) < 1e-12);
    // The seat that answers wins most games from 0-0, and more from 0-1 than the opener from 1-0.
    QVERIFY(ChanceDePartida::antesDeMano(0, 0, false) > 0.9);
    QVERIFY(ChanceDePartida::antesDeMano(0, 1, false) > ChanceDePartida::antesDeMano(1, 0, true));

    // The seat that opened the hand, from the moves played so far.
    PosicionCompacta p;
    p.repartidas = 10; // 4 on the table, 6 to the hands
    p.enMano = { 3, 2 }; // one move played
    p.turno = kCpu;
    QCOMPARE(ChanceDePartida::quienAbre(p), kHumano);
    p.enMano = { 2, 2 };
    p.turno = kHumano;
    QCOMPARE(ChanceDePartida::quienAbre(p), kHumano);
}

void TestExperto::exactSearchAgreesWithFullMinimax()
{
    int comparadas = 0;
    int decisivas = 0;
    recorrerManos(30, 21, [&](const PosicionCompacta &p) {
        if (p.repartidas < PosicionCompacta::kCartas || p.enMano[p.turno] < 3)
            return;
        const Lado yo = p.turno;
        const BusquedaExacta::Utilidad u = MuestreoExperto::utilidad(p, yo);
        const BusquedaExacta busqueda(yo, u);
        const double esperado = minimax(p, yo, u);
        QVERIFY(qAbs(busqueda.valor(p) - esperado) < 1e-12);
        const BusquedaExacta::Resultado r = busqueda.mejor(p);
        QVERIFY(qAbs(r.valor - esperado) < 1e-12);
        // The move it names reaches that value.
        PosicionCompacta q = p;
        QVERIFY(ReglasCompactas::esLegal(p, yo, r.movimiento));
        q.aplicar(r.movimiento);
        QVERIFY(qAbs(minimax(q, yo, u) - esperado) < 1e-12);
        // Positions where some move is worse than the best, so the choice mattered.
        for (const MovimientoCompacto &m : ReglasCompactas::movimientos(p, yo)) {
            PosicionCompacta o = p;
            o.aplicar(m);
            if (minimax(o, yo, u) < esperado - 1e-9) {
                ++decisivas;
                break;
            }
        }
        ++comparadas;
    });
    QVERIFY(comparadas >= 20);
    QVERIFY(decisivas >= 5);
}

void TestExperto::estimateIsDeterministicAndAddsUp()
{
    const EstimadorVictoria estimador(60, 5);
    const EstimadorVictoria otraSemilla(60, 6);
    int distintas = 0;
    int vistas = 0;
    recorrerManos(4, 8, [&](const PosicionCompacta &p) {
        const VistaDificil v = VistaDificil::desdePosicion(p, p.turno);
        const ChancesDeGanar a = estimador.estimar(v);
        const ChancesDeGanar b = estimador.estimar(v);
        QCOMPARE(a.mano, b.mano);
        QCOMPARE(a.partida, b.partida);
        QVERIFY(qAbs(a.partida[kCpu] + a.partida[kHumano] - 1.0) < 1e-9);
        QVERIFY(a.mano[kCpu] + a.mano[kHumano] <= 1.0 + 1e-9);
        distintas += otraSemilla.estimar(v).partida != a.partida;
        ++vistas;
    });
    // Another seed draws other deals, where anything is left to chance.
    QVERIFY2(distintas > vistas / 2,
             qPrintable(QStringLiteral("%1 of %2").arg(distintas).arg(vistas)));
}

void TestExperto::estimateSeesWhoLeadsTheHand()
{
    // The last two cards: the CPU holds an oro, the human a copa; the CPU's
    // pile of 30 has an oro on top and the human's of 4 a basto. The table
    // is empty. Whatever is played, the CPU wins the hand.
    PosicionCompacta p;
    p.palo = PartidaCompacta::palosDelMazo();
    p.mano[kCpu][0] = 0;
    p.mano[kHumano][0] = 10;
    p.enMano = { 1, 1 };
    p.tope = { 1, 30 };
    p.monton = { 34, 4 };
    p.apiladas = PosicionCompacta::kTodas & ~(PosicionCompacta::bit(0) | PosicionCompacta::bit(10));
    p.repartidas = PosicionCompacta::kCartas;
    p.turno = kHumano;
    p.puntos = { 2, 0 };
    const EstimadorVictoria estimador(20);
    const ChancesDeGanar c = estimador.estimar(VistaDificil::desdePosicion(p, kHumano));
    QCOMPARE(c.mano[kCpu], 1.0);
    QCOMPARE(c.mano[kHumano], 0.0);
    QCOMPARE(c.partida[kCpu], 1.0);
    // At 0-2 the same hand leaves the CPU short of the game.
    p.puntos = { 0, 2 };
    const ChancesDeGanar d = estimador.estimar(VistaDificil::desdePosicion(p, kHumano));
    QCOMPARE(d.mano[kCpu], 1.0);
    QVERIFY(d.partida[kCpu] < 0.9);
}

void TestExperto::reviewClassesFromLosses_data()
{
    QTest::addColumn<double>("perdida");
    QTest::addColumn<ClaseJugada>("clase");
    QTest::newRow("none") << 0.0 << ClaseJugada::Buena;
    QTest::newRow("just under 2") << 1.99 << ClaseJugada::Buena;
    QTest::newRow("2") << 2.0 << ClaseJugada::Dudosa;
    QTest::newRow("just under 5") << 4.99 << ClaseJugada::Dudosa;
    QTest::newRow("5") << 5.0 << ClaseJugada::Error;
    QTest::newRow("just under 15") << 14.99 << ClaseJugada::Error;
    QTest::newRow("15") << 15.0 << ClaseJugada::Grave;
    QTest::newRow("the whole game") << 100.0 << ClaseJugada::Grave;
}

void TestExperto::reviewClassesFromLosses()
{
    QFETCH(double, perdida);
    QFETCH(ClaseJugada, clase);
    QCOMPARE(RevisionJugada::clasificar(perdida), clase);
}

void TestExperto::reviewCondemnsThrowingAwayAPileTake()
{
    // The last round: the CPU to move with an oro and an espada, the human
    // holding two copas; the human's pile of 34 has an oro on top, the CPU's
    // pile of 2 an espada. Taking the pile wins the hand; putting the oro on
    // the own pile leaves no oro to take it with. At 2-2 the hand is the game.
    PosicionCompacta p;
    p.palo = PartidaCompacta::palosDelMazo();
    p.mano[kCpu] = { 0, 20, 0 };
    p.enMano = { 2, 2 };
    p.tope = { 21, 1 };
    p.monton = { 2, 34 };
    p.apiladas = PosicionCompacta::kTodas
        & ~(PosicionCompacta::bit(0) | PosicionCompacta::bit(20) | PosicionCompacta::bit(11)
            | PosicionCompacta::bit(12));
    p.repartidas = PosicionCompacta::kCartas;
    p.turno = kCpu;
    p.ultimo = kHumano;
    p.puntos = { 2, 2 };
    const VistaDificil vista = VistaDificil::desdePosicion(p, kCpu);
    const RevisorDeJugadas revisor(50);

    const MovimientoCompacto toma { T::LevantarMonton, 0, 0 };
    const RevisionJugada buena = revisor.revisar(vista, toma);
    QCOMPARE(buena.perdida, 0.0);
    QVERIFY(!buena.mejor);
    QCOMPARE(buena.clase, ClaseJugada::Buena);
    QCOMPARE(buena.lado, Lado::Cpu);
    QCOMPARE(buena.jugada, toma.comoJugada());

    const RevisionJugada mala = revisor.revisar(vista, { T::AlMonton, 0, 0 });
    QVERIFY2(mala.perdida >= RevisionJugada::kGrave, qPrintable(QString::number(mala.perdida)));
    QCOMPARE(mala.clase, ClaseJugada::Grave);
    QVERIFY(mala.mejor.has_value());
    QCOMPARE(mala.mejor->tipo, T::LevantarMonton);
    QVERIFY(mala.antes - mala.despues >= RevisionJugada::kError);
    // The review is the same when asked again.
    const RevisionJugada otra = revisor.revisar(vista, { T::AlMonton, 0, 0 });
    QCOMPARE(otra.perdida, mala.perdida);
    QCOMPARE(otra.antes, mala.antes);
}

// A better move by a hair is the judge's noise, not advice: it is named only from half
// a point of chance up, and then it is another move than the one played.
void TestExperto::reviewNamesOnlyAClearlyBetterMove()
{
    const RevisorDeJugadas revisor(8);
    int nombradas = 0;
    recorrerManos(1, 12, [&](const PosicionCompacta &p) {
        const MovimientoCompacto hecha = ElectorRapidoNormal::elegir(p);
        const RevisionJugada r = revisor.revisar(VistaDificil::desdePosicion(p, p.turno), hecha);
        QCOMPARE(r.mejor.has_value(), r.perdida >= RevisionJugada::kMejorNombrada);
        if (r.mejor) {
            QVERIFY(!(*r.mejor == hecha.comoJugada()));
            ++nombradas;
        }
    });
    QVERIFY(nombradas > 0);
}

void TestExperto::expertoLegalInSeededGames()
{
    const MuestreoExperto experto(30);
    const MuestreoDificil dificil(20);
    std::uint64_t semilla = 0;
    int movimientos = 0;
    int ilegales = 0;
    const PartidaCompacta::Elector e = [&](const PosicionCompacta &p) {
        const MovimientoCompacto m
            = experto.elegirCompacto(VistaDificil::desdePosicion(p, p.turno), semilla);
        ilegales += !ReglasCompactas::esLegal(p, p.turno, m.comoJugada());
        ++movimientos;
        return m;
    };
    const PartidaCompacta::Elector d = [&](const PosicionCompacta &p) {
        return dificil.elegirCompacto(VistaDificil::desdePosicion(p, p.turno), semilla);
    };
    const PartidaCompacta::Elector n = ElectorRapidoNormal::elegir;
    for (int g = 0; g < 24; ++g) {
        semilla = 900 + static_cast<std::uint64_t>(g);
        const PartidaCompacta::Elector &rival = g % 3 == 0 ? n : d;
        const auto r = g % 2 == 0
            ? PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), e, rival, semilla)
            : PartidaCompacta::jugar(PartidaCompacta::palosDelMazo(), rival, e, semilla);
        QVERIFY(r.ganador != Lado::Nadie);
    }
    QCOMPARE(ilegales, 0);
    QVERIFY(movimientos > 24 * 50);
}

void TestExperto::freshGameChanceIsAgainstTheLevel_data()
{
    QTest::addColumn<NivelCpu>("nivel");
    QTest::addColumn<bool>("abreHumano");
    QTest::addColumn<double>("desde");
    QTest::addColumn<double>("hasta");
    // The hint's player beats the Normal rule from either seat, and loses most games it
    // opens against the sampling players, as whole games between them go.
    QTest::newRow("normal, the human opens") << NivelCpu::Normal << true << 0.75 << 1.0;
    QTest::newRow("normal, the CPU opens") << NivelCpu::Normal << false << 0.9 << 1.0;
    QTest::newRow("difícil, the human opens") << NivelCpu::Dificil << true << 0.0 << 0.3;
    QTest::newRow("difícil, the CPU opens") << NivelCpu::Dificil << false << 0.7 << 1.0;
    QTest::newRow("experto, the human opens") << NivelCpu::Experto << true << 0.0 << 0.3;
    QTest::newRow("experto, the CPU opens") << NivelCpu::Experto << false << 0.7 << 1.0;
}

// The human's chance at the first move of a game, on seeded deals, as the bar shows it;
// and its share of the decisive hands, which is the share the hint wins from that seat
// against that level as whole games go.
void TestExperto::freshGameChanceIsAgainstTheLevel()
{
    QFETCH(NivelCpu, nivel);
    QFETCH(bool, abreHumano);
    QFETCH(double, desde);
    QFETCH(double, hasta);
    const EstimadorVictoria estimador(100, EstimadorVictoria::kSemilla, nivel);
    GeneradorDificil azar(21);
    constexpr int kManos = 40;
    double partida = 0.0;
    PorLado<double> mano {};
    for (int i = 0; i < kManos; ++i) {
        std::array<std::int8_t, PosicionCompacta::kCartas> b {};
        std::iota(b.begin(), b.end(), std::int8_t { 0 });
        for (int j = PosicionCompacta::kCartas - 1; j > 0; --j)
            std::swap(b[static_cast<std::size_t>(j)],
                      b[static_cast<std::size_t>(azar.menorQue(j + 1))]);
        PosicionCompacta p;
        p.palo = PartidaCompacta::palosDelMazo();
        p.nuevaMano(b);
        const VistaDificil vista = VistaDificil::desdePosicion(p, kHumano);
        const ChancesDeGanar c
            = abreHumano ? estimador.estimar(vista) : estimador.estimarAlRival(vista);
        partida += c.partida[kHumano];
        for (const Lado lado : kLados)
            mano[lado] += c.mano[lado];
    }
    const double media = partida / kManos;
    QVERIFY2(media >= desde && media <= hasta, qPrintable(QString::number(media)));
    const ChanceDePartida::Reparto r = ChanceDePartida::contraLaPista(nivel);
    const PorLado<double> &manos = abreHumano ? r.abreHumano : r.abreCpu;
    const double medida = manos[kHumano] / (manos[kHumano] + manos[kCpu]);
    const double estimada = mano[kHumano] / (mano[kHumano] + mano[kCpu]);
    QVERIFY2(std::abs(estimada - medida) <= 0.04,
             qPrintable(QStringLiteral("%1 against %2").arg(estimada).arg(medida)));
}

void TestExperto::reviewTutorAndBarShowOneFigure_data()
{
    QTest::addColumn<NivelCpu>("nivel");
    QTest::newRow("normal") << NivelCpu::Normal;
    QTest::newRow("difícil") << NivelCpu::Dificil;
    QTest::newRow("experto") << NivelCpu::Experto;
}

// The review of a human's move (the tutor's figures) is the bar before and after it, its
// loss is what the bar fell by against the best move, and the best move loses nothing.
void TestExperto::reviewTutorAndBarShowOneFigure()
{
    QFETCH(NivelCpu, nivel);
    constexpr int kMuestras = 12;
    const EstimadorVictoria barra(kMuestras, EstimadorVictoria::kSemilla, nivel);
    const RevisorDeJugadas revisor(kMuestras, nivel);
    int perdidas = 0;
    recorrerManos(1, 31, [&](const PosicionCompacta &p) {
        if (p.turno != kHumano)
            return;
        const VistaDificil vista = VistaDificil::desdePosicion(p, kHumano);
        const MovimientoCompacto hecha = ElectorRapidoNormal::elegir(p);
        const RevisionJugada r = revisor.revisar(vista, hecha);
        const ChancesDeGanar antes = barra.estimar(vista);
        const ChancesDeGanar despues = barra.estimarTras(vista, hecha);
        QCOMPARE(r.antes, 100.0 * antes.partida[kHumano]);
        QCOMPARE(r.despues, 100.0 * despues.partida[kHumano]);
        QCOMPARE(r.manoHumanoAntes, 100.0 * antes.mano[kHumano]);
        QCOMPARE(r.manoHumanoDespues, 100.0 * despues.mano[kHumano]);
        QCOMPARE(r.perdida, std::max(0.0, r.antes - r.despues));
        perdidas += r.perdida > 0.0;
        const ValoracionDeJugadas v = barra.valorar(vista);
        const RevisionJugada mejor = revisor.revisar(vista, v.movimientos.at(v.mejor));
        QCOMPARE(mejor.perdida, 0.0);
        QCOMPARE(mejor.despues, r.antes);
    });
    QVERIFY(perdidas > 0);
}

ZELBO_TEST_GUILESS_MAIN(TestExperto)
#include "tst_experto.moc"
