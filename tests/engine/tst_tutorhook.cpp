// SPDX-License-Identifier: GPL-3.0-or-later

#include "programadepruebas.h"
#include "testgame.h"
#include "tutorjugadas.h"

#include <QTest>

namespace {

using namespace Naipes;
using Tipo = Jugada::Tipo;

// Keeps what it is asked and lets the game go on only when the test says so.
class TutorDePrueba : public TutorJugadas
{
public:
    void revisar(const GameState &antes, const Jugada &jugada, Listo listo) override
    {
        posiciones << Posicion::texto(antes);
        jugadas << jugada;
        m_listo = std::move(listo);
    }
    void seguir() { std::exchange(m_listo, {})(); }

    QStringList posiciones;
    QList<Jugada> jugadas;

private:
    Listo m_listo;
};

} // namespace

Q_DECLARE_METATYPE(Jugada)

// The tutor's place in the turn: each move of the human is handed to it with the
// position before the move, and the CPU's reply waits until the tutor is done.
class TestTutorHook : public QObject
{
    Q_OBJECT

private slots:
    void everyKindOfMoveIsHandedOverBeforeTheReply_data();
    void everyKindOfMoveIsHandedOverBeforeTheReply();
};

void TestTutorHook::everyKindOfMoveIsHandedOverBeforeTheReply_data()
{
    // The human holds oros(10) and copas(1); the table bastos(1) and oros(8); the
    // CPU's pile has copas(5) on top.
    QTest::addColumn<Jugada>("jugada");
    QTest::newRow("laid on the table") << Jugada { Tipo::Tirar, 1, {} };
    QTest::newRow("onto the own pile") << Jugada { Tipo::AlMonton, 0, {} };
    QTest::newRow("a table card lifted") << Jugada { Tipo::LevantarMesa, 0, { 1 } };
    QTest::newRow("the CPU's pile taken") << Jugada { Tipo::LevantarMonton, 1, {} };
}

void TestTutorHook::everyKindOfMoveIsHandedOverBeforeTheReply()
{
    QFETCH(Jugada, jugada);
    TestGame t;
    QVERIFY2(t.valido(), qPrintable(t.dir().error()));
    TutorDePrueba tutor;
    t.juego().setTutor(tutor);
    QVERIFY(t.cargar(Posicion::montonDeLaCpuAlAlcance()));
    ZelboGame &juego = t.juego();
    const bool levanta = jugada.tipo == Tipo::LevantarMesa || jugada.tipo == Tipo::LevantarMonton;
    if (levanta)
        juego.marcarJugada(jugada);
    const QString antes = Posicion::texto(t.estado());
    if (levanta)
        juego.intentar(Intento::levantar());
    else if (jugada.tipo == Tipo::Tirar)
        juego.intentar(Intento::tirar(jugada.carta));
    else
        juego.intentar(Intento::alMonton(jugada.carta));

    QCOMPARE(tutor.jugadas.size(), 1);
    const Jugada &dada = tutor.jugadas.constFirst();
    QCOMPARE(dada.tipo, jugada.tipo);
    QCOMPARE(dada.carta, jugada.carta);
    QCOMPARE(dada.mesa, jugada.mesa);
    QCOMPARE(tutor.posiciones.constFirst(), antes);
    QCOMPARE(t.estado().player1.count(), 2); // the CPU waits
    QVERIFY(!juego.esperaAlJugador());

    tutor.seguir();
    QCOMPARE(t.estado().player1.count(), 1);
    QVERIFY(juego.esperaAlJugador());
    QCOMPARE(tutor.jugadas.size(), 1);
}

ZELBO_TEST_MAIN(TestTutorHook)
#include "tst_tutorhook.moc"
