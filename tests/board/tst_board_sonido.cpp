// SPDX-License-Identifier: GPL-3.0-or-later

#include "ajustesjuego.h"
#include "boardfixture.h"
#include "grabadordesonidos.h"
#include "programadepruebas.h"
#include "raton.h"
#include "sonidosdeljuego.h"
#include "winnerdialogfrm.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace Naipes;

namespace {

// What the player does on the board.
enum class Suceso { Tirar, Levantar, TomarMonton, Nuevo, Rechazo, GanarPartida, PerderPartida };

// The CPU's third point: its last hand, won by the bigger pile.
Posicion terceraManoDeLaCpu()
{
    Posicion p = Posicion::terceraManoDelHumano();
    p.tamPilaCpu = 27;
    p.tamPilaHumano = 10;
    p.puntosCpu = 2;
    p.puntosHumano = 1;
    return p;
}

Posicion posicionPara(Suceso suceso)
{
    switch (suceso) {
    case Suceso::Levantar:
    case Suceso::TomarMonton:
        return Posicion::montonDeLaCpuAlAlcance();
    case Suceso::GanarPartida:
        return Posicion::terceraManoDelHumano();
    case Suceso::PerderPartida:
        return terceraManoDeLaCpu();
    default:
        return Posicion::primeraJugada();
    }
}

void provocar(BoardFixture &f, Suceso suceso)
{
    ZelboFrm &v = f.ventana();
    switch (suceso) {
    case Suceso::Levantar: // the Sota de oros lifts the 8 de oros
        v.mesaimg_DragDrop(0, 1);
        break;
    case Suceso::TomarMonton: // the As de copas takes the CPU's pile, topped by copas
        v.Checkp2_Click(1);
        v.montonimg_Click(0);
        v.LevantarBtn_Click();
        break;
    case Suceso::Nuevo:
        v.nuevomnu_Click();
        break;
    case Suceso::Rechazo: // "Levantar" with nothing marked
        v.LevantarBtn_Click();
        break;
    default:
        Raton::soltarEnFondo(f.mesa(), 0);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Suceso)

// Failures name the sounds.
char *toString(const Sonido &sonido)
{
    static const char *const kNombres[]
        = { "Carta",      "Levantar",    "Monton",        "Reparto",       "Rechazo",
            "ManoGanada", "ManoPerdida", "PartidaGanada", "PartidaPerdida" };
    return qstrdup(kNombres[static_cast<int>(sonido)]);
}
Q_DECLARE_METATYPE(Sonido)

class TstBoardSonido : public QObject
{
    Q_OBJECT

private slots:
    void eachEventAsksForItsSound_data();
    void eachEventAsksForItsSound();
    void theCpusSoundComesAfterItsBeats();
};

void TstBoardSonido::eachEventAsksForItsSound_data()
{
    QTest::addColumn<Suceso>("suceso");
    QTest::addColumn<bool>("encendido");
    QTest::addColumn<QList<Sonido>>("esperados");
    QTest::newRow("a card laid, and the CPU's")
        << Suceso::Tirar << true << QList<Sonido> { Sonido::Carta, Sonido::Carta };
    QTest::newRow("table cards lifted") << Suceso::Levantar << true << QList { Sonido::Levantar };
    QTest::newRow("the pile taken") << Suceso::TomarMonton << true << QList { Sonido::Monton };
    QTest::newRow("a new deal") << Suceso::Nuevo << true << QList { Sonido::Reparto };
    QTest::newRow("a move refused") << Suceso::Rechazo << true << QList { Sonido::Rechazo };
    QTest::newRow("hand and game won")
        << Suceso::GanarPartida << true
        << QList { Sonido::Carta, Sonido::Carta, Sonido::ManoGanada, Sonido::PartidaGanada };
    QTest::newRow("hand and game lost")
        << Suceso::PerderPartida << true
        << QList { Sonido::Carta, Sonido::Monton, Sonido::ManoPerdida, Sonido::PartidaPerdida };
    QTest::newRow("sound off") << Suceso::Tirar << false << QList<Sonido> {};
}

void TstBoardSonido::eachEventAsksForItsSound()
{
    QFETCH(Suceso, suceso);
    QFETCH(bool, encendido);
    QFETCH(QList<Sonido>, esperados);
    BoardFixture f;
    GrabadorDeSonidos grabador;
    f.ventana().sonidos().setReproductor(grabador);
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicionPara(suceso)));
    f.ajustes().setSonido(encendido);
    // The results window is closed as the player closes it.
    QTimer cerrar;
    connect(&cerrar, &QTimer::timeout, &f.ventana(), [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *resultados = qobject_cast<WinnerDialogFrm *>(w); resultados && w->isVisible())
                resultados->close();
    });
    cerrar.start(1);
    grabador.limpiar();
    provocar(f, suceso);
    QVERIFY(f.esperarTurno());
    // What follows (the CPU's reply, the next deal) is other rows' concern.
    const QList<Sonido> &tocados = grabador.tocados();
    QCOMPARE(esperados.isEmpty() ? tocados : tocados.mid(0, esperados.size()), esperados);
}

// The CPU's card is heard when it lands, not when the CPU starts showing its move.
void TstBoardSonido::theCpusSoundComesAfterItsBeats()
{
    BoardFixture f;
    GrabadorDeSonidos grabador;
    f.ventana().sonidos().setReproductor(grabador);
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(Posicion::primeraJugada()));
    f.ajustes().setSonido(true);
    QList<qsizetype> durante;
    f.pausa().setDurante([&] { durante.append(grabador.tocados().size()); });
    Raton::soltarEnFondo(f.mesa(), 0);
    QVERIFY(f.esperarTurno());
    QVERIFY(!durante.isEmpty());
    QCOMPARE(durante, QList<qsizetype>(durante.size(), 1)); // the human's card only
    QCOMPARE(grabador.tocados().size(), 2);
}

ZELBO_TEST_MAIN(TstBoardSonido)
#include "tst_board_sonido.moc"
