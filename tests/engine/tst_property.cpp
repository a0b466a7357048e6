// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "electordificil.h"
#include "fakedialogs.h"
#include "fakeview.h"
#include "legalidad.h"
#include "mersennerandom.h"
#include "partidasdeprueba.h"
#include "programadepruebas.h"
#include "randomhuman.h"
#include "testprogramdir.h"
#include "zelbogame.h"

#include <QHash>
#include <QSet>
#include <QTest>
#include <memory>
#include <optional>

namespace {

constexpr int kSesiones = partidasDePrueba(40);
constexpr int kPartidasPorSesion = 50;
constexpr int kMaxMovimientosPorPartida = 2000;

// The first rule a played game broke, or an empty text.
class Vigilancia
{
public:
    void falta(const QString &texto)
    {
        if (m_falta.isEmpty())
            m_falta = texto;
    }
    const QString &falta() const { return m_falta; }

    // After every refresh of the board.
    void tras(const GameState &e)
    {
        if (const QString f = e.faltaDeConsistencia(); !f.isEmpty())
            falta(f);
        if (e.jugadorCpu.puntos() > 3 || e.jugadorHumano.puntos() > 3)
            falta(QStringLiteral("more than 3 points"));
        if (e.player1.count() > 3 || e.player2.count() > 3)
            falta(QStringLiteral("more than 3 cards in a hand"));
        // A card reaches the table only when no table card has its palo.
        if (e.lamesa.count() > 7)
            falta(QStringLiteral("%1 cards on the table").arg(e.lamesa.count()));
        for (bool marca : e.marcas.CheckMesa)
            if (marca)
                falta(QStringLiteral("a table mark outlived the move"));
        for (bool marca : e.marcas.Checkp2)
            if (marca)
                falta(QStringLiteral("a hand mark outlived the move"));
    }

    // When a hand is scored.
    void alContar(const GameState &e, int cpu, int humano)
    {
        if (!e.player1.isEmpty() || !e.player2.isEmpty() || e.cartasRepartidas != 40)
            falta(QStringLiteral("hand scored before it was played out"));
        if (cpu + humano + e.lamesa.count() != 40)
            falta(QStringLiteral("piles %1 + %2 and table %3 do not hold 40")
                      .arg(cpu)
                      .arg(humano)
                      .arg(e.lamesa.count()));
    }

private:
    QString m_falta;
};

// Checks each move of another chooser against the rules before the game sees
// it, so that an illegal choice is named even where the game would refuse it
// with a message of its own.
class ElectorVigilado : public Elector
{
public:
    ElectorVigilado(Elector &elector, Vigilancia &vigilancia)
        : m_elector(elector)
        , m_vigilancia(vigilancia)
    {
    }

    Jugada elegir(const GameState &estado, Lado lado) override
    {
        const Jugada jugada = m_elector.elegir(estado, lado);
        if (!Legalidad::esLegal(estado, jugada, lado))
            m_vigilancia.falta(QStringLiteral("an illegal move of kind %1 from slot %2")
                                   .arg(static_cast<int>(jugada.tipo))
                                   .arg(jugada.carta));
        ++m_elecciones;
        return jugada;
    }
    int elecciones() const { return m_elecciones; }

private:
    Elector &m_elector;
    Vigilancia &m_vigilancia;
    int m_elecciones = 0;
};

// Who plays a session's games besides the specified CPU and the random human.
struct Asientos
{
    Elector *cpu = nullptr;
    Elector *humano = nullptr;
    int partidas = kPartidasPorSesion;
};

} // namespace

class TestProperty : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomLegalPlayKeepsEveryRule();
    void difficultPlaysOnlyLegalMovesInEitherSeat_data();
    void difficultPlaysOnlyLegalMovesInEitherSeat();

private:
    // Plays the games of one seed; the first broken rule, or an empty text.
    QString jugarSesion(quint64 semilla, const Asientos &asientos = {});

    std::unique_ptr<TestProgramDir> m_dir;
    int m_manos = 0;
    QHash<RandomHuman::Movimiento, int> m_movimientos;
    int m_eleccionesDificil = 0;
};

void TestProperty::initTestCase()
{
    m_dir = std::make_unique<TestProgramDir>();
    QVERIFY2(m_dir->isValid(), qPrintable(m_dir->error()));
    QVERIFY(m_dir->escribirPreferencias(QStringLiteral("Maquina"), QStringLiteral("Ana")));
}

QString TestProperty::jugarSesion(quint64 semilla, const Asientos &asientos)
{
    FakeView vista;
    FakeDialogs dialogos;
    MersenneRandom azarJuego(semilla);
    MersenneRandom azarHumano(~semilla);
    AjustesJuego ajustes;
    ZelboGame juego(m_dir->path(), vista, dialogos, azarJuego, ajustes);
    RandomHuman humano(juego, azarHumano);
    Vigilancia v;
    std::optional<ElectorVigilado> cpu;
    std::optional<ElectorVigilado> otroHumano;
    if (asientos.cpu)
        juego.setElectorCpu(cpu.emplace(*asientos.cpu, v));
    if (asientos.humano)
        humano.setElector(otroHumano.emplace(*asientos.humano, v));
    vista.setAlActualizar([&] { v.tras(juego.estado()); });
    // What the player may be told without a fault: the count, then each hand's result.
    QSet<QString> avisos { QStringLiteral("Contando puntajes") };
    vista.setAlContar([&](const ResultadoDeMano &r) {
        ++m_manos;
        v.alContar(juego.estado(), r.cpu, r.humano);
        avisos.insert(r.texto(juego.estado().jugadorHumano.nombre()));
    });
    for (int i = 1; i < asientos.partidas; ++i)
        dialogos.responder(DialogService::Respuesta::Yes);
    dialogos.responder(DialogService::Respuesta::No);

    juego.iniciar();
    for (int movimientos = 0; humano.puedeJugar() && v.falta().isEmpty(); ++movimientos) {
        const GameState &e = juego.estado();
        if (e.turno != Lado::Cpu || e.player2.count() - e.player1.count() > 1)
            v.falta(QStringLiteral("the human is to play out of turn"));
        const int antes = vista.actualizaciones();
        ++m_movimientos[humano.jugar()];
        if (!juego.terminado() && vista.actualizaciones() == antes)
            v.falta(QStringLiteral("a legal move was refused: ") + dialogos.textos().last());
        if (movimientos > kMaxMovimientosPorPartida * asientos.partidas)
            v.falta(QStringLiteral("the games do not end"));
    }
    for (const FakeDialogs::Mensaje &m : dialogos.mensajes())
        if (m.icono == DialogService::Icono::Ninguno && !avisos.contains(m.texto))
            v.falta(QStringLiteral("the player was told \"%1\"").arg(m.texto));
    if (!juego.terminado() || vista.salida() != std::optional<int>(0))
        v.falta(QStringLiteral("the program did not end normally"));
    for (const FakeView::Resultado &r : vista.resultados())
        if (r.num1 != 3 || r.num2 >= 3)
            v.falta(QStringLiteral("a game ended %1 to %2").arg(r.num1).arg(r.num2));
    if (vista.resultados().size() != asientos.partidas)
        v.falta(QStringLiteral("%1 games were played").arg(vista.resultados().size()));
    m_eleccionesDificil
        += (cpu ? cpu->elecciones() : 0) + (otroHumano ? otroHumano->elecciones() : 0);
    return v.falta();
}

void TestProperty::randomLegalPlayKeepsEveryRule()
{
    for (quint64 semilla = 1; semilla <= kSesiones; ++semilla) {
        const QString falta = jugarSesion(semilla);
        QVERIFY2(falta.isEmpty(),
                 qPrintable(QStringLiteral("seed %1: %2").arg(semilla).arg(falta)));
    }
    // Thousands of games, so that rare positions come up too, and every kind of move.
    QVERIFY(m_manos >= kSesiones * kPartidasPorSesion * 3);
    using M = RandomHuman::Movimiento;
    for (M m : { M::Tirar, M::AlMonton, M::LevantarMesa, M::LevantarMonton })
        QVERIFY(m_movimientos.value(m) > partidasDePrueba(1000));
}

void TestProperty::difficultPlaysOnlyLegalMovesInEitherSeat_data()
{
    QTest::addColumn<bool>("enLaCpu");
    QTest::newRow("the CPU's seat, against the random human") << true;
    QTest::newRow("the human's seat, against Normal") << false;
}

// The number of deals only weighs the moves it compares, and every move it
// compares comes from the same rules whatever that number: a few deals a move
// play the same kinds of positions and keep two thousand games short.
void TestProperty::difficultPlaysOnlyLegalMovesInEitherSeat()
{
    QFETCH(bool, enLaCpu);
    constexpr int kMuestras = 2;
    m_eleccionesDificil = 0;
    for (quint64 semilla = 1; semilla <= kSesiones; ++semilla) {
        ElectorDificil dificil(semilla, kMuestras);
        Asientos asientos;
        (enLaCpu ? asientos.cpu : asientos.humano) = &dificil;
        const QString falta = jugarSesion(semilla, asientos);
        QVERIFY2(falta.isEmpty(),
                 qPrintable(QStringLiteral("seed %1: %2").arg(semilla).arg(falta)));
    }
    // Thousands of games in each seat, some forty choices a game at least.
    QVERIFY(m_eleccionesDificil > kSesiones * kPartidasPorSesion * 40);
}

ZELBO_TEST_GUILESS_MAIN(TestProperty)
#include "tst_property.moc"
