// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "testgame.h"

#include <QRegularExpression>
#include <QTest>

using namespace Naipes;

namespace {

const QString kJuegaCpu = QStringLiteral("Juega CPU");
const QString kJuegaAna = QStringLiteral("Juega Ana");
const QString kUltima = QStringLiteral("Ultima ronda");
const QString kContando = QStringLiteral("Contando puntajes");

// A position with the given dealt count and hand sizes, in which the human
// puts oros on the own pile and the CPU's copas then match nothing.
Posicion ronda(int repartidas, int humano, int cpu)
{
    Posicion p;
    p.humano = QList<int> { oros(1), oros(2), oros(3) }.first(humano);
    p.cpu = QList<int> { copas(1), copas(2), copas(3) }.first(cpu);
    p.mesa = { espadas(1) };
    p.pilaCpu = { bastos(1) };
    p.pilaHumano = { bastos(2) };
    const int resto = repartidas - 3 - humano - cpu;
    p.tamPilaCpu = 1 + resto / 2;
    p.tamPilaHumano = 1 + resto - resto / 2;
    return p;
}

} // namespace

class TestTurnFlow : public QObject
{
    Q_OBJECT

private slots:
    void eitherSideOpensAndTheCaptionNamesWhoPlays();
    void captionsAroundTheLastRound_data();
    void captionsAroundTheLastRound();
    void lastRoundCaptionOnlyOnceAllCardsAreDealt();
    void missingPreferencesAreReportedAndPlayGoesOn();
    void damagedCardSetEndsTheProgramWithStatusOne();
};

void TestTurnFlow::eitherSideOpensAndTheCaptionNamesWhoPlays()
{
    int abreCpu = 0;
    int abreHumano = 0;
    for (quint64 semilla = 1; semilla <= 20; ++semilla) {
        TestGame t(semilla);
        QVERIFY(t.valido());
        t.iniciar();
        const QStringList carteles = t.vista().carteles();
        if (carteles == QStringList { kJuegaAna }) {
            ++abreHumano;
            QVERIFY(t.vista().resaltes().isEmpty());
            QCOMPARE(t.estado().player1.count(), 3);
        } else {
            ++abreCpu;
            QCOMPARE(carteles, (QStringList { kJuegaCpu, kJuegaAna }));
            QVERIFY(!t.vista().resaltes().isEmpty());
            QCOMPARE(t.estado().player1.count(), 2);
        }
        QCOMPARE(t.estado().player2.count(), 3);
        QCOMPARE(t.estado().turno, Lado::Cpu);
    }
    QVERIFY(abreCpu > 0);
    QVERIFY(abreHumano > 0);
}

void TestTurnFlow::captionsAroundTheLastRound_data()
{
    QTest::addColumn<int>("repartidas");
    QTest::addColumn<int>("humano");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<QStringList>("carteles");
    QTest::addColumn<bool>("cuenta");

    const QStringList normal { kJuegaCpu, kJuegaAna };
    // The last round's sign follows the human's own, once.
    const QStringList ultima { kJuegaCpu, kJuegaAna, kUltima };
    QTest::newRow("28, the CPU's move brings a deal") << 28 << 1 << 1 << normal << false;
    QTest::newRow("34, round before the last") << 34 << 2 << 2 << normal << false;
    QTest::newRow("34, the CPU's move brings the last deal") << 34 << 1 << 1 << ultima << false;
    QTest::newRow("40, last round") << 40 << 2 << 2 << ultima << false;
    QTest::newRow("40, the human's move ends the hand") << 40 << 1 << 0 << normal << true;
    QTest::newRow("40, the CPU's move ends the hand") << 40 << 1 << 1 << normal << true;
}

void TestTurnFlow::captionsAroundTheLastRound()
{
    QFETCH(int, repartidas);
    QFETCH(int, humano);
    QFETCH(int, cpu);
    QFETCH(QStringList, carteles);
    QFETCH(bool, cuenta);

    TestGame t(3);
    QVERIFY(t.valido());
    QVERIFY(t.cargar(ronda(repartidas, humano, cpu)));
    QStringList mientrasJuegaCpu;
    t.vista().setAlResaltar([&] { mientrasJuegaCpu.append(t.vista().carteles().last()); });

    t.juego().intentar(Intento::alMonton(0));
    QCOMPARE(t.vista().carteles(), carteles);
    for (const QString &cartel : mientrasJuegaCpu)
        QCOMPARE(cartel, kJuegaCpu);
    QCOMPARE(t.dialogos().textos().count(kContando), cuenta ? 1 : 0);
    if (cuenta) {
        // Counted before anything of the next hand is dealt.
        const QStringList registro = t.registro();
        const int contando
            = static_cast<int>(registro.indexOf(QStringLiteral("mensaje ") + kContando));
        QVERIFY(registro.indexOf(QRegularExpression(QStringLiteral("contadores .*"))) > contando);
        // The board shows the hand's last move while it is counted: both hands empty.
        const std::optional<GameState> alContar
            = t.mostradoAntesDe(QStringLiteral("mensaje ") + kContando);
        QVERIFY(alContar);
        QVERIFY(alContar->player1.isEmpty() && alContar->player2.isEmpty());
        QCOMPARE(alContar->cartasRepartidas, Mazo::kCartas);
        QCOMPARE(t.estado().cartasRepartidas, 10);
    }
}

void TestTurnFlow::lastRoundCaptionOnlyOnceAllCardsAreDealt()
{
    for (quint64 semilla = 1; semilla <= 6; ++semilla) {
        TestGame t(semilla);
        QVERIFY(t.valido());
        QList<int> repartidasAlUltima;
        t.vista().setAlCartel([&](const QString &texto) {
            if (texto == kUltima)
                repartidasAlUltima.append(t.estado().cartasRepartidas);
        });
        t.iniciar();
        // A human who always puts the first card on the own pile, for one hand.
        while (!t.dialogos().textos().contains(kContando)) {
            const int repartidas = t.estado().cartasRepartidas;
            QCOMPARE(t.vista().carteles().last(), repartidas == 40 ? kUltima : kJuegaAna);
            t.juego().intentar(Intento::alMonton(0));
        }
        QVERIFY(!repartidasAlUltima.isEmpty());
        for (int repartidas : repartidasAlUltima)
            QCOMPARE(repartidas, 40);
    }
}

void TestTurnFlow::missingPreferencesAreReportedAndPlayGoesOn()
{
    TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    FakeView vista;
    FakeDialogs dialogos;
    MersenneRandom azar(2);
    AjustesJuego ajustes;
    ZelboGame juego(dir.path(), vista, dialogos, azar, ajustes);
    juego.iniciar();

    QVERIFY(!dialogos.mensajes().isEmpty());
    const FakeDialogs::Mensaje &m = dialogos.mensajes().first();
    QCOMPARE(m.texto, QStringLiteral("El archivo de propiedades no existe o esta dañado"));
    QCOMPARE(m.botones, DialogService::Botones::Ok);
    QVERIFY(!juego.terminado());
    QCOMPARE(vista.carteles().last(), QStringLiteral("Juega Player"));
    QCOMPARE(juego.estado().player2.count(), 3);
}

void TestTurnFlow::damagedCardSetEndsTheProgramWithStatusOne()
{
    TestProgramDir dir({ QStringLiteral("DELETE FROM naipe40 WHERE id > 30") });
    QVERIFY2(dir.isValid() && dir.escribirPreferencias(QStringLiteral("M"), QStringLiteral("A")),
             qPrintable(dir.error()));
    FakeView vista;
    FakeDialogs dialogos;
    MersenneRandom azar(2);
    AjustesJuego ajustes;
    ZelboGame juego(dir.path(), vista, dialogos, azar, ajustes);
    juego.iniciar();

    QVERIFY(!dialogos.mensajes().isEmpty());
    const FakeDialogs::Mensaje &fatal = dialogos.mensajes().last();
    QVERIFY(!fatal.texto.isEmpty());
    QCOMPARE(fatal.icono, DialogService::Icono::Critico);
    QCOMPARE(fatal.titulo, QStringLiteral("Zelbo"));
    QCOMPARE(vista.salida(), std::optional<int>(1));
    QVERIFY(juego.terminado());
    QCOMPARE(juego.estadoSalida(), 1);
    QCOMPARE(vista.actualizaciones(), 0);
    // Nothing runs after the end.
    const qsizetype mensajes = dialogos.mensajes().size();
    juego.intentar(Intento::tirar(0));
    juego.ordenar(OrdenDelJuego::Nuevo);
    QCOMPARE(dialogos.mensajes().size(), mensajes);
    QCOMPARE(vista.actualizaciones(), 0);
}

ZELBO_TEST_GUILESS_MAIN(TestTurnFlow)
#include "tst_turnflow.moc"
