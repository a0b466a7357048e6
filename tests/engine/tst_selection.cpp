// SPDX-License-Identifier: GPL-3.0-or-later

#include "cargarmazo.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "seleccion.h"
#include "testgame.h"

#include <QTest>

using namespace Naipes;

namespace {

const QString kMismoTipo = QStringLiteral("Solo puedes levantar cartas de un mismo tipo");
const QString kSoloUna = QStringLiteral("Debes seleccionar solo una de tus cartas");
const QString kALaVez = QStringLiteral("No puedes levantar cartas y el monton a la vez");
const QString kSelecciona = QStringLiteral("Selecciona una carta de la mesa");

// The human holds oros, copas (and espadas); the table copas, oros, copas,
// oros; the CPU's pile has copas on top.
Posicion seleccion(int cartas)
{
    Posicion p;
    p.humano = QList<int> { oros(1), copas(1), espadas(1) }.first(cartas);
    p.cpu = QList<int> { bastos(5), bastos(6), bastos(7) }.first(cartas);
    p.mesa = { copas(2), oros(2), copas(3), oros(3) };
    p.pilaCpu = { copas(4), oros(4) };
    p.pilaHumano = { bastos(1) };
    p.tamPilaCpu = 9 - cartas;
    p.tamPilaHumano = 9 - cartas;
    return p;
}

// Plays the board clicks of a script: "mano i" (right click on hand card i),
// "check i" (its check box), "mesa j", "monton" (the CPU's pile), "propio"
// (the own pile) and "levantar" (the lift button).
void jugar(ZelboGame &juego, const QStringList &acciones)
{
    for (const QString &accion : acciones) {
        const QStringList partes = accion.split(QLatin1Char(' '));
        const int i = partes.value(1).toInt();
        if (partes.first() == QLatin1String("mano"))
            juego.pulsar({ GrupoImagen::cartap2img, i });
        else if (partes.first() == QLatin1String("check"))
            juego.alternarMarca({ GrupoImagen::cartap2img, i });
        else if (partes.first() == QLatin1String("mesa"))
            juego.pulsar({ GrupoImagen::mesaimg, i });
        else if (partes.first() == QLatin1String("monton"))
            juego.pulsar({ GrupoImagen::montonimg, 0 });
        else if (partes.first() == QLatin1String("propio"))
            juego.pulsar({ GrupoImagen::montonimg, 1 });
        else if (partes.first() == QLatin1String("levantar"))
            juego.intentar(Intento::levantar());
        else
            QFAIL(qPrintable(QStringLiteral("unknown action ") + accion));
    }
}

QList<int> mesaMarcada(const GameState &e)
{
    QList<int> marcadas;
    for (int j = 0; j < Marcas::kMesa; ++j)
        if (e.marcas.CheckMesa.at(static_cast<std::size_t>(j)))
            marcadas.append(j);
    return marcadas;
}

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void marksAndLiftAsTheBoardShowsThem_data();
    void marksAndLiftAsTheBoardShowsThem();
    void pileMarkOnAnEmptyPileLiftsNothing();
};

void TestSelection::marksAndLiftAsTheBoardShowsThem_data()
{
    QTest::addColumn<int>("cartas");
    QTest::addColumn<QStringList>("acciones");
    QTest::addColumn<QStringList>("mensajes");
    QTest::addColumn<QList<int>>("marcadas"); // table marks left, when nothing was lifted
    QTest::addColumn<QList<int>>("pila"); // top of the own pile after a lift

    using L = QList<int>;
    using S = QStringList;
    QTest::newRow("table card of another palo refused")
        << 3 << S { "mano 0", "mesa 0" } << S { kMismoTipo } << L {} << L {};
    QTest::newRow("CPU pile of another palo refused")
        << 3 << S { "mano 0", "monton", "levantar" } << S { kMismoTipo, kSelecciona } << L {}
        << L {};
    QTest::newRow("table card of the same palo accepted")
        << 3 << S { "mano 0", "mesa 1", "mesa 3" } << S {} << L { 1, 3 } << L {};
    QTest::newRow("table card with no hand card marked, untested")
        << 3 << S { "mesa 0", "mesa 1" } << S {} << L { 0, 1 } << L {};
    QTest::newRow("clearing a mark never asks")
        << 3 << S { "mano 1", "mesa 0", "mano 1", "mano 0", "mesa 0" } << S {} << L {} << L {};
    QTest::newRow("two hand cards: the lower slot is tested")
        << 3 << S { "mano 2", "mano 0", "mesa 1", "mesa 0", "levantar" }
        << S { kMismoTipo, kSoloUna } << L { 1 } << L {};
    QTest::newRow("lift without a hand card")
        << 3 << S { "mesa 1", "levantar" } << S { kSoloUna } << L { 1 } << L {};
    QTest::newRow("lift with two hand cards")
        << 3 << S { "mano 0", "mano 1", "levantar" } << S { kSoloUna } << L {} << L {};
    QTest::newRow("table and CPU pile together")
        << 3 << S { "mano 1", "mesa 0", "monton", "levantar" } << S { kALaVez } << L { 0 } << L {};
    QTest::newRow("hand card alone")
        << 3 << S { "mano 0", "levantar" } << S { kSelecciona } << L {} << L {};
    QTest::newRow("own pile picture does nothing")
        << 3 << S { "mano 0", "propio", "levantar" } << S { kSelecciona } << L {} << L {};
    QTest::newRow("table card marked before a hand card of another palo")
        << 3 << S { "mesa 0", "mano 0", "levantar" } << S { kMismoTipo } << L { 0 } << L {};
    QTest::newRow("CPU pile marked before a hand card of another palo")
        << 3 << S { "monton", "mano 0", "levantar" } << S { kMismoTipo } << L {} << L {};
    QTest::newRow("lift of two table cards")
        << 3 << S { "mano 0", "mesa 1", "mesa 3", "levantar" } << S {} << L {}
        << L { oros(3), oros(2), oros(1), bastos(1) };
    QTest::newRow("taking the CPU's pile")
        << 3 << S { "mano 1", "monton", "levantar" } << S {} << L {} << L { copas(1) };
    QTest::newRow("mark on an empty hand slot is ignored by the lift")
        << 2 << S { "check 2", "mano 0", "mesa 1", "levantar" } << S {} << L {}
        << L { oros(2), oros(1), bastos(1) };
    QTest::newRow("mark on an empty hand slot alone")
        << 2 << S { "check 2", "mesa 1", "levantar" } << S { kSoloUna } << L { 1 } << L {};
}

void TestSelection::marksAndLiftAsTheBoardShowsThem()
{
    QFETCH(int, cartas);
    QFETCH(QStringList, acciones);
    QFETCH(QStringList, mensajes);
    QFETCH(QList<int>, marcadas);
    QFETCH(QList<int>, pila);

    TestGame t(1);
    QVERIFY(t.valido());
    const Posicion p = seleccion(cartas);
    QVERIFY(t.cargar(p));
    jugar(t.juego(), acciones);

    QCOMPARE(t.dialogos().textos(), mensajes);
    for (const FakeDialogs::Mensaje &m : t.dialogos().mensajes()) {
        QCOMPARE(m.titulo, QStringLiteral("Zelbo"));
        QCOMPARE(m.botones, DialogService::Botones::Ok);
    }
    if (pila.isEmpty()) {
        // Refused or not yet asked: nothing moved, the marks stand as set.
        QCOMPARE(t.vista().actualizaciones(), 0);
        QCOMPARE(Posicion::numeros(t.estado().player2), p.humano);
        QCOMPARE(Posicion::numeros(t.estado().lamesa), p.mesa);
        QCOMPARE(mesaMarcada(t.estado()), marcadas);
    } else {
        // The board right after the human's lift, before the CPU's turn.
        QVERIFY(!t.fotos().isEmpty());
        const GameState &tras = t.fotos().first();
        QCOMPARE(Posicion::numeros(tras.player2Lev).first(pila.size()), pila);
        QCOMPARE(tras.player2.count(), cartas - 1);
    }
}

void TestSelection::pileMarkOnAnEmptyPileLiftsNothing()
{
    const TestProgramDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.error()));
    Mazo mazo;
    CargarMazo(mazo, dir.path());
    Posicion p = seleccion(3);
    p.pilaHumano.append(p.pilaCpu);
    p.pilaCpu.clear();
    p.tamPilaCpu = 0;
    p.tamPilaHumano = 6;
    GameState e = p.estado(mazo);
    e.marcas.Checkp2[0] = true;
    e.marcas.CheckMonton[0] = true;
    QCOMPARE(Seleccion::ValidarLevantar(e), std::optional<QString>(kSelecciona));
}

ZELBO_TEST_GUILESS_MAIN(TestSelection)
#include "tst_selection.moc"
