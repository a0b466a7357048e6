// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "keptgamekeeper.h"
#include "keptgamestats.h"
#include "mersennerandom.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "statistics.h"
#include "statisticsfile.h"
#include "testprogramdir.h"
#include "zelbogame.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kAna = QStringLiteral("Ana");
const QString kLuis = QStringLiteral("Luis");

// A game of the given player and level that ends with the given hands, as pile pairs
// (human, CPU).
KeptGameStats game(const QString &player, const QString &level,
                   const QList<std::pair<int, int>> &hands = {})
{
    KeptGameStats g(player, level);
    int number = 0;
    for (const auto &[human, cpu] : hands)
        g.handEnded(++number, human, cpu);
    return g;
}

void commitAll(Statistics &statistics, const QString &player, const QString &level,
               const QList<GameResult> &results)
{
    for (const GameResult result : results) {
        KeptGameStats g = game(player, level);
        g.moveMade();
        QVERIFY(statistics.commit(g, result));
    }
}

// Tells each results window, i.e. each game won by either side.
class ResultsView : public FakeView
{
public:
    std::function<void(const QString &)> alGanar;

    void Dialogo(const QString &nombre, int num1, int num2, ResultadoDeMano::Ganador ganador,
                 std::function<void()> alCerrar) override
    {
        alGanar(nombre);
        FakeView::Dialogo(nombre, num1, num2, ganador, std::move(alCerrar));
    }
};

constexpr GameResult W = GameResult::Won;
constexpr GameResult L = GameResult::Lost;
constexpr GameResult A = GameResult::Abandoned;

} // namespace

class TestCounting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void gamesAndStreaks();
    void handsAndLargestPile();
    void abandonedCountsOnlyAfterAMove_data();
    void abandonedCountsOnlyAfterAMove();
    void levelsAndPlayersKeepTheirOrder();
    void chartKeepsTheLastTwentyGames();
    void handEndedAgainReplacesIt();
    void gameCountsOnce();
    void damagedKeptGameStatsAreRefused_data();
    void damagedKeptGameStatsAreRefused();
    void seededWholeGames_data();
    void seededWholeGames();
    void handUndoneThenResumedCountsOnce();

private:
    std::unique_ptr<TestProgramDir> m_dir;
};

void TestCounting::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
    QVERIFY(m_dir->escribirPreferencias(QStringLiteral("Maquina"), kAna));
}

void TestCounting::gamesAndStreaks()
{
    Statistics statistics;
    QVERIFY(!statistics.record(kAna).shareWon());
    commitAll(statistics, kAna, Statistics::kNormal, { W, W, L, W, W, W, A, W });
    const StatsRecord r = statistics.record(kAna);
    QCOMPARE(r.partidas, 8);
    QCOMPARE(r.ganadas, 6);
    QCOMPARE(r.perdidas, 1);
    QCOMPARE(r.abandonadas, 1);
    QCOMPARE(r.rachaActual, 1);
    QCOMPARE(r.rachaMasLarga, 3);
    QCOMPARE(r.shareWon(), std::optional<double>(0.75));
    QCOMPARE(r.ultimas, (QList<GameResult> { W, W, L, W, W, W, A, W }));
}

void TestCounting::handsAndLargestPile()
{
    Statistics statistics;
    // A won hand with a small pile, a lost hand with a large one, a tie.
    statistics.commit(game(kAna, Statistics::kNormal, { { 21, 19 }, { 8, 32 }, { 20, 20 } }), L);
    statistics.commit(game(kAna, Statistics::kNormal, { { 26, 14 } }), A);
    const StatsRecord r = statistics.record(kAna, Statistics::kNormal);
    QCOMPARE(r.manosGanadas, 2);
    QCOMPARE(r.manosPerdidas, 1);
    QCOMPARE(r.manosEmpatadas, 1);
    QCOMPARE(r.mayorMonton, 26);
}

void TestCounting::abandonedCountsOnlyAfterAMove_data()
{
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("handEnded");
    QTest::addColumn<bool>("counted");
    QTest::newRow("just dealt") << false << false << false;
    QTest::newRow("after a move") << true << false << true;
    QTest::newRow("after a hand") << false << true << true;
}

void TestCounting::abandonedCountsOnlyAfterAMove()
{
    QFETCH(bool, moved);
    QFETCH(bool, handEnded);
    QFETCH(bool, counted);
    Statistics statistics;
    KeptGameStats g(kAna, Statistics::kDificil);
    if (moved)
        g.moveMade();
    if (handEnded)
        g.handEnded(1, 20, 20);
    QCOMPARE(statistics.commit(g, A), counted);
    QCOMPARE(statistics.record(kAna).abandonadas, counted ? 1 : 0);
    QCOMPARE(statistics.record().partidas, counted ? 1 : 0);
}

// Every combined view sees the games in the order they were played: a win at the hard
// level between two wins at the normal one makes a streak of three for the player.
void TestCounting::levelsAndPlayersKeepTheirOrder()
{
    Statistics statistics;
    commitAll(statistics, kAna, Statistics::kNormal, { W });
    commitAll(statistics, kLuis, Statistics::kNormal, { L });
    commitAll(statistics, kAna, Statistics::kDificil, { W });
    commitAll(statistics, kAna, Statistics::kNormal, { W, L });
    commitAll(statistics, kLuis, Statistics::kDificil, { W });

    QCOMPARE(statistics.players(), (QStringList { kAna, kLuis }));
    QCOMPARE(statistics.record(kAna).rachaMasLarga, 3);
    QCOMPARE(statistics.record(kAna, Statistics::kNormal).rachaMasLarga, 2);
    QCOMPARE(statistics.record(kAna, Statistics::kNormal).partidas, 3);
    QCOMPARE(statistics.record(kAna, Statistics::kDificil).ultimas, QList<GameResult> { W });
    QCOMPARE(statistics.record({}, Statistics::kNormal).ultimas,
             (QList<GameResult> { W, L, W, L }));
    QCOMPARE(statistics.record({}, Statistics::kDificil).rachaActual, 2);
    const StatsRecord all = statistics.record();
    QCOMPARE(all.partidas, 6);
    QCOMPARE(all.ultimas, (QList<GameResult> { W, L, W, W, L, W }));
    QCOMPARE(all.rachaActual, 1);
    QCOMPARE(statistics.record(QStringLiteral("Nadie")).partidas, 0);
}

void TestCounting::chartKeepsTheLastTwentyGames()
{
    Statistics statistics;
    commitAll(statistics, kAna, Statistics::kNormal, { L, A });
    for (int i = 0; i < StatsRecord::kLastGames - 1; ++i)
        commitAll(statistics, kAna, Statistics::kNormal, { W });
    const StatsRecord r = statistics.record(kAna);
    QCOMPARE(r.partidas, 21);
    QCOMPARE(r.ultimas.size(), StatsRecord::kLastGames);
    QCOMPARE(r.ultimas.first(), A);
    QCOMPARE(r.ultimas.count(W), StatsRecord::kLastGames - 1);
}

// An undo across a hand's end, or a kept game saved before the end and resumed, ends the
// same hand again, perhaps differently: it still counts once, as it ended last.
void TestCounting::handEndedAgainReplacesIt()
{
    KeptGameStats g(kAna, Statistics::kNormal);
    g.handEnded(1, 25, 15);
    g.handEnded(2, 22, 18);
    g.handEnded(2, 18, 22);
    QCOMPARE(g.hands().size(), 2);
    Statistics statistics;
    statistics.commit(g, L);
    QCOMPARE(statistics.record(kAna).manosGanadas, 1);
    QCOMPARE(statistics.record(kAna).manosPerdidas, 1);
}

// A game can reach its end twice: when the program is killed after it was counted and
// before its kept copy was removed, the copy is resumed and finished again.
void TestCounting::gameCountsOnce()
{
    Statistics statistics;
    KeptGameStats g = game(kAna, Statistics::kNormal, { { 30, 10 } });
    const QByteArray kept = g.toBytes();
    QVERIFY(statistics.commit(g, W));
    QVERIFY(!statistics.commit(*KeptGameStats::fromBytes(kept), W));
    QVERIFY(!statistics.commit(g, A));
    statistics.clear();
    QVERIFY(!statistics.commit(g, W));
    QCOMPARE(statistics.record().partidas, 0);
    QVERIFY(statistics.commit(game(kAna, Statistics::kNormal, { { 30, 10 } }), W));
    QCOMPARE(statistics.record(kAna).partidas, 1);
}

void TestCounting::damagedKeptGameStatsAreRefused_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::newRow("not JSON") << QByteArray("{") << QByteArray("");
    QTest::newRow("pile above the deck")
        << QByteArray("\"monton\":21") << QByteArray("\"monton\":41");
    QTest::newRow("hand number 0") << QByteArray("\"mano\":1") << QByteArray("\"mano\":0");
    QTest::newRow("same hand twice") << QByteArray("\"mano\":2") << QByteArray("\"mano\":1");
    QTest::newRow("no identity") << QByteArray("\"id\"") << QByteArray("\"ident\"");
}

void TestCounting::damagedKeptGameStatsAreRefused()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QByteArray bytes = game(kAna, Statistics::kNormal, { { 21, 19 }, { 20, 20 } }).toBytes();
    QVERIFY2(bytes.contains(from), bytes.constData());
    QVERIFY(!KeptGameStats::fromBytes(bytes.replace(from, to)));
}

void TestCounting::seededWholeGames_data()
{
    QTest::addColumn<bool>("restartAtEveryHand");
    QTest::addColumn<bool>("everyHandEndsTwice");
    QTest::newRow("straight") << false << false;
    QTest::newRow("kept and resumed after every hand") << true << false;
    QTest::newRow("every hand's end undone and replayed") << false << true;
}

// Five seeded games played to their end through the engine, fed to the statistics as the
// game will feed them; the figures must agree with the game's own messages and results.
void TestCounting::seededWholeGames()
{
    QFETCH(bool, restartAtEveryHand);
    QFETCH(bool, everyHandEndsTwice);
    constexpr int kGames = 5;
    ResultsView view;
    FakeDialogs dialogs;
    MersenneRandom gameRandom(16);
    MersenneRandom humanRandom(61);
    AjustesJuego ajustes;
    ZelboGame zelbo(m_dir->path(), view, dialogs, gameRandom, ajustes);
    RandomHuman human(zelbo, humanRandom);
    Statistics statistics;
    KeptGameStats current(kAna, Statistics::kNormal);
    int handNumber = 0;
    int humanWins = 0;
    view.setAlContar([&](const ResultadoDeMano &hand) {
        current.handEnded(++handNumber, hand.humano, hand.cpu);
        if (everyHandEndsTwice)
            current.handEnded(handNumber, hand.humano, hand.cpu);
        if (restartAtEveryHand)
            current = *KeptGameStats::fromBytes(current.toBytes());
    });
    view.alGanar = [&](const QString &winner) {
        humanWins += winner == kAna ? 1 : 0;
        QVERIFY(statistics.commit(current, winner == kAna ? W : L));
        current = KeptGameStats(kAna, Statistics::kNormal);
        handNumber = 0;
    };
    for (int i = 1; i < kGames; ++i)
        dialogs.responder(DialogService::Respuesta::Yes);
    dialogs.responder(DialogService::Respuesta::No);
    zelbo.iniciar();
    while (human.puedeJugar()) {
        current.moveMade();
        human.jugar();
    }
    QVERIFY(zelbo.terminado());

    const QStringList told = dialogs.textos();
    const StatsRecord r = statistics.record(kAna, Statistics::kNormal);
    QCOMPARE(r.partidas, kGames);
    QCOMPARE(r.ganadas, humanWins);
    QCOMPARE(r.perdidas, kGames - humanWins);
    QCOMPARE(r.manosGanadas, told.count(QStringLiteral("Ana gana la mano")));
    QCOMPARE(r.manosPerdidas, told.count(QStringLiteral("Cpu gana la mano")));
    QCOMPARE(r.manosEmpatadas, told.count(QStringLiteral("Mano empatada")));
    // Each game is won with 3 hands.
    QVERIFY(r.manosGanadas >= 3 * humanWins);
    QVERIFY(r.manosPerdidas >= 3 * (kGames - humanWins));
    QVERIFY(r.mayorMonton > 20);
    QVERIFY(statistics.record() == r);
}

// Hand 1 ends, the player takes its end back with undo and quits; after Sí the rest of the
// game is played. Hand 1 counts once, as it ended last, and each hand's heading shows once.
void TestCounting::handUndoneThenResumedCountsOnce()
{
    QTemporaryDir folder;
    MersenneRandom humanRandom(7);
    {
        FakeView view;
        FakeDialogs dialogs;
        MersenneRandom gameRandom(31);
        AjustesJuego ajustes;
        ZelboGame zelbo(m_dir->path(), view, dialogs, gameRandom, ajustes);
        KeptGameKeeper kept(folder.path(), dialogs, &gameRandom);
        zelbo.setConservada(&kept);
        RandomHuman human(zelbo, humanRandom);
        zelbo.iniciar();
        while (view.resultadosMano().isEmpty())
            human.jugar();
        QCOMPARE(zelbo.estado().numeroDeMano, 2);
        while (zelbo.estado().numeroDeMano == 2 && zelbo.puedeDeshacer())
            zelbo.ordenar(OrdenDelJuego::Deshacer);
        QCOMPARE(zelbo.estado().numeroDeMano, 1);
        zelbo.ordenar(OrdenDelJuego::Cerrar);
    }
    FakeView view;
    FakeDialogs dialogs;
    MersenneRandom gameRandom(32);
    AjustesJuego ajustes;
    ZelboGame zelbo(m_dir->path(), view, dialogs, gameRandom, ajustes);
    KeptGameKeeper kept(folder.path(), dialogs, &gameRandom);
    zelbo.setConservada(&kept);
    RandomHuman human(zelbo, humanRandom);
    dialogs.responder(DialogService::Respuesta::Yes);
    dialogs.responder(DialogService::Respuesta::No);
    zelbo.iniciar();
    QCOMPARE(zelbo.estado().numeroDeMano, 1);
    while (human.puedeJugar())
        human.jugar();
    QVERIFY(zelbo.terminado());

    const StatsRecord r = StatisticsFile(folder.path()).load().statistics.record(kAna);
    QCOMPARE(r.partidas, 1);
    QCOMPARE(r.manosGanadas + r.manosPerdidas + r.manosEmpatadas,
             static_cast<int>(view.resultadosMano().size()));
    QStringList headings
        = zelbo.historial().filter(QRegularExpression(QStringLiteral("^Mano \\d+$")));
    QCOMPARE(headings.size(), static_cast<qsizetype>(view.resultadosMano().size()));
    QCOMPARE(headings.removeDuplicates(), 0);
}

ZELBO_TEST_GUILESS_MAIN(TestCounting)
#include "tst_counting.moc"
