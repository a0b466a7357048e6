// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "disposicionclasica.h"
#include "elector.h"
#include "legalidad.h"
#include "nivelcpu.h"
#include "posicion.h"
#include "programadepruebas.h"
#include "raton.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

// A CPU that takes two seconds over each move, on the thinker's thread.
class ElectorLento : public Elector
{
public:
    Jugada elegir(const GameState &estado, Lado lado) override
    {
        QThread::msleep(2000);
        return Legalidad::legales(estado, lado).front();
    }
};

// Counts the paints of a widget.
class Pintadas : public QObject
{
public:
    int cuantas = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++cuantas;
        return false;
    }
};

} // namespace

class TstBoardPensar : public QObject
{
    Q_OBJECT

private slots:
    void slowCpuLeavesTheWindowAnsweringAndClosesAfterItsMove();
    void theCpuOpensOnceTheBoardIsPainted();
};

void TstBoardPensar::slowCpuLeavesTheWindowAnsweringAndClosesAfterItsMove()
{
    BoardFixture f;
    ElectorLento lento;
    f.ventana().elegirEnHilo();
    f.ventana().juego().setElectorCpu(lento);
    // The hint of this level plays out the rest of the hand from the player's seat.
    f.ventana().juego().setFuenteDeNivel([] { return NivelCpu::Dificil; });
    QVERIFY(f.iniciar());
    // The CPU opens: its first move comes in its own time.
    QVERIFY(f.esperarTurno());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    QFile::remove(f.dir().ruta(QStringLiteral("lastprop.dat")));
    const int cpuAntes = f.estado().player1.count();

    QElapsedTimer reloj;
    reloj.start();
    Raton::soltarEnFondo(f.mesa(), 0);
    // The human's card is down and the call is back; the CPU thinks on.
    QVERIFY(!f.ventana().juego().esperaAlJugador());
    QCOMPARE(f.estado().player1.count(), cpuAntes);

    // The window's thread goes on: its timers fire, the board repaints.
    Pintadas pintadas;
    f.mesa().installEventFilter(&pintadas);
    bool disparado = false;
    QTimer::singleShot(50, &f.ventana(), [&disparado] { disparado = true; });
    f.mesa().update();
    QTRY_VERIFY_WITH_TIMEOUT(disparado && pintadas.cuantas > 0, 1000);
    QCOMPARE(f.estado().player1.count(), cpuAntes); // still thinking

    // A command that is no input event (a screen reader's action on a menu item)
    // finds the game busy too: the hint is not worked out from the CPU's turn.
    QAction *pista = nullptr;
    for (QAction *a : f.ventana().findChildren<QAction *>()) {
        if (a->shortcut() == QKeySequence(Qt::Key_H))
            pista = a;
    }
    QVERIFY(pista);
    const QString mensaje = f.ventana().statusBar()->currentMessage();
    pista->trigger();
    QCOMPARE(f.estado().player1.count(), cpuAntes);
    QCOMPARE(f.ventana().statusBar()->currentMessage(), mensaje);
    for (const bool marca : f.estado().marcas.Checkp2)
        QVERIFY(!marca);

    // The close box is answered at once and carried out after the CPU's move.
    f.ventana().close();
    QVERIFY(!f.ventana().terminado());
    QTRY_VERIFY_WITH_TIMEOUT(f.ventana().terminado(), 10000);
    QVERIFY(reloj.elapsed() >= 2000);
    QCOMPARE(f.estado().player1.count(), cpuAntes - 1);
    QCOMPARE(f.ventana().estadoSalida(), 0);
    QVERIFY(QFile::exists(f.dir().ruta(QStringLiteral("lastprop.dat"))));
}

void TstBoardPensar::theCpuOpensOnceTheBoardIsPainted()
{
    // Seed 1 lets the CPU open; it chooses at once here, on the window's thread.
    BoardFixture f;
    QVERIFY(f.ventana().Form_Load());
    QVERIFY(f.ventana().isVisible());
    QCOMPARE(f.estado().player1.count(), 3);
    Pintadas pintadas;
    f.mesa().installEventFilter(&pintadas);
    QVERIFY(BoardFixture::verTablero(f.ventana()));
    QVERIFY(f.esperarTurno());
    QVERIFY(pintadas.cuantas > 0);
    QCOMPARE(f.estado().player1.count(), 2);
}

ZELBO_TEST_MAIN(TstBoardPensar)
#include "tst_board_pensar.moc"
