// SPDX-License-Identifier: GPL-3.0-or-later

#include "estimadorvictoria.h"
#include "muestreoexperto.h"
#include "partidacompacta.h"
#include "programadepruebas.h"
#include "reglascompactas.h"
#include "revisordejugadas.h"
#include "trabajodefondo.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <numeric>
#include <thread>

using Calculo = std::function<void(std::stop_token)>;
Q_DECLARE_METATYPE(Calculo)

namespace {

// A long computation that checks its token, as the game's do between their steps.
int hastaQueParen(std::stop_token parar, std::atomic_bool &empezada)
{
    empezada = true;
    QElapsedTimer reloj;
    reloj.start();
    while (!parar.stop_requested() && reloj.elapsed() < 10000)
        QThread::msleep(1);
    return -1;
}

// Waits for a task to start without running the event loop, so that nothing is handed on.
bool esperarSinEventos(const std::atomic_bool &empezada)
{
    QElapsedTimer reloj;
    reloj.start();
    while (!empezada && reloj.elapsed() < 10000)
        QThread::msleep(1);
    return empezada;
}

// The opening of a hand dealt in deck order, seen from the side to move.
VistaDificil apertura(Lado abre = Lado::Cpu)
{
    PosicionCompacta p;
    p.palo = PartidaCompacta::palosDelMazo();
    std::array<std::int8_t, PosicionCompacta::kCartas> orden {};
    std::iota(orden.begin(), orden.end(), std::int8_t { 0 });
    p.nuevaMano(orden);
    p.turno = abre;
    return VistaDificil::desdePosicion(p, p.turno);
}

} // namespace

class TestTrabajoDeFondo : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheNewestRequestIsHandedOnOnTheOwnersThread_data();
    void onlyTheNewestRequestIsHandedOnOnTheOwnersThread();
    void destroyingTheOwnerStopsALongTaskAndHandsNothingOn();
    void longComputationsGiveUpOnceAskedToStop_data();
    void longComputationsGiveUpOnceAskedToStop();
};

// Three requests, one after the other: the first still running (told to stop)
// or already done with its result on its way; only the third's result comes.
void TestTrabajoDeFondo::onlyTheNewestRequestIsHandedOnOnTheOwnersThread_data()
{
    QTest::addColumn<bool>("primeraHecha");
    QTest::newRow("the first still running") << false;
    QTest::newRow("the first done, not handed on yet") << true;
}

void TestTrabajoDeFondo::onlyTheNewestRequestIsHandedOnOnTheOwnersThread()
{
    QFETCH(bool, primeraHecha);
    TrabajoDeFondo trabajo;
    std::atomic_bool empezada = false;
    std::atomic_bool enOtroHilo = true;
    QList<int> entregados;
    bool enMiHilo = true;
    const auto entregar = [&](int valor) {
        entregados << valor;
        enMiHilo = enMiHilo && QThread::currentThread() == thread();
    };
    const auto rapida = [&](int valor) {
        return [&, valor](std::stop_token) {
            enOtroHilo = enOtroHilo && QThread::currentThread() != thread();
            empezada = true;
            return valor;
        };
    };
    if (primeraHecha)
        trabajo.pedir(rapida(1), entregar);
    else
        trabajo.pedir([&](std::stop_token parar) { return hastaQueParen(parar, empezada); },
                      entregar);
    QVERIFY(esperarSinEventos(empezada));
    // The first result, when ready, waits to be handed on.
    QThread::msleep(50);
    trabajo.pedir(rapida(2), entregar);
    trabajo.pedir(rapida(3), entregar);
    QTRY_COMPARE(entregados, QList<int> { 3 });
    QTest::qWait(100);
    QCOMPARE(entregados, QList<int> { 3 });
    QVERIFY(enMiHilo);
    QVERIFY(enOtroHilo);
}

void TestTrabajoDeFondo::destroyingTheOwnerStopsALongTaskAndHandsNothingOn()
{
    auto trabajo = std::make_unique<TrabajoDeFondo>();
    std::atomic_bool empezada = false;
    bool entregada = false;
    trabajo->pedir([&](std::stop_token parar) { return hastaQueParen(parar, empezada); },
                   [&](int) { entregada = true; });
    QTRY_VERIFY(empezada);
    QElapsedTimer reloj;
    reloj.start();
    trabajo.reset();
    QVERIFY2(reloj.elapsed() < 1000, qPrintable(QString::number(reloj.elapsed())));
    QTest::qWait(50);
    QVERIFY(!entregada);
}

// Each of the game's long computations, told to stop, gives up at its next step:
// with this many deals each would take minutes.
void TestTrabajoDeFondo::longComputationsGiveUpOnceAskedToStop_data()
{
    QTest::addColumn<Calculo>("calcular");
    constexpr int kMuchas = 1000000;
    const VistaDificil vista = apertura();
    const MovimientoCompacto jugada
        = ReglasCompactas::movimientos(vista.posicion, vista.yo()).front();
    QTest::newRow("chance to win") << Calculo([vista, jugada](std::stop_token parar) {
        const EstimadorVictoria estimador(kMuchas);
        estimador.estimar(vista, parar);
        estimador.estimarTras(vista, jugada, parar);
    });
    QTest::newRow("review of a move") << Calculo([vista, jugada](std::stop_token parar) {
        RevisorDeJugadas(kMuchas).revisar(vista, jugada, parar);
    });
    QTest::newRow("review of the player's move, stopped before it starts")
        << Calculo([](std::stop_token) {
               const VistaDificil tuya = apertura(Lado::Humano);
               std::stop_source parada;
               parada.request_stop();
               RevisorDeJugadas(kMuchas).revisar(
                   tuya, ReglasCompactas::movimientos(tuya.posicion, Lado::Humano).front(),
                   parada.get_token());
           });
    QTest::newRow("Experto's move") << Calculo([vista](std::stop_token parar) {
        MuestreoExperto(kMuchas).elegirCompacto(vista, 1, parar);
    });
}

void TestTrabajoDeFondo::longComputationsGiveUpOnceAskedToStop()
{
    QFETCH(Calculo, calcular);
    std::stop_source parada;
    std::thread otro([&parada] {
        QThread::msleep(20);
        parada.request_stop();
    });
    QElapsedTimer reloj;
    reloj.start();
    calcular(parada.get_token());
    otro.join();
    QVERIFY2(reloj.elapsed() < 1000, qPrintable(QString::number(reloj.elapsed())));
}

ZELBO_TEST_GUILESS_MAIN(TestTrabajoDeFondo)
#include "tst_trabajodefondo.moc"
