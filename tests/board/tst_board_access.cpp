// SPDX-License-Identifier: GPL-3.0-or-later

#include "anunciador.h"
#include "ayudastablero.h"
#include "barraprobabilidad.h"
#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "keptgamekeeper.h"
#include "markbox.h"
#include "programadepruebas.h"
#include "raton.h"
#include "tecladotablero.h"
#include "winnerdialogfrm.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <algorithm>

using namespace Naipes;

Q_DECLARE_METATYPE(Imagen)

namespace {

Posicion posicion()
{
    return Posicion::montonDeLaCpuAlAlcance();
}

// The human's last card of the fifth deal, to go on the own pile: the last
// deal follows.
Posicion ultimaCartaDelQuintoReparto()
{
    Posicion p;
    p.humano = { oros(1) };
    p.mesa = { copas(3) };
    p.pilaCpu = { copas(5) };
    p.pilaHumano = { bastos(8) };
    p.tamPilaCpu = 16;
    p.tamPilaHumano = 16;
    return p;
}

QString nombre(QObject *control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

QAccessible::Role papel(QObject *control)
{
    return QAccessible::queryAccessibleInterface(control)->role();
}

// The name-change events raised while a test runs, by the object they name,
// and what the game's notification said each time it showed, as Orca hears it.
// Qt takes the handler as a plain function, so the record cannot be a member.
QList<QObject *> g_cambios;
QStringList g_avisos;

void registrar(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::NameChanged)
        g_cambios << event->object();
    if (event->type() == QAccessible::ObjectShow
        && event->object()->objectName() == QLatin1String("avisoDelJuego")) {
        // Orca speaks the showing of a notification, not of another role.
        QAccessibleInterface *aviso = event->accessibleInterface();
        const bool notificacion
            = aviso->role() == QAccessible::Notification && !aviso->state().invisible;
        g_avisos << (notificacion ? QString() : QStringLiteral("(no es una notificación) "))
                + aviso->text(QAccessible::Name);
    }
}

// What was spoken once the board settled.
QStringList avisos()
{
    QTest::qWait(Anunciador::kEsperaMs + 100);
    const QStringList dichos = g_avisos;
    g_avisos.clear();
    return dichos;
}

// What was spoken once something was and the board settled: a loaded machine may
// keep the announcement back longer than the board's settling time.
QStringList avisosAlFin()
{
    if (!QTest::qWaitFor([] { return !g_avisos.isEmpty(); }, 5000))
        return {};
    return avisos();
}

void activar(BoardFixture &f)
{
    f.ventana().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.ventana()));
}

void tecla(BoardFixture &f, Qt::Key clave)
{
    QWidget *foco = QApplication::focusWidget();
    QTest::keyClick(foco ? foco : &f.ventana(), clave);
}

} // namespace

class TstBoardAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void namesAndRolesOfADealtBoard();
    void namesFollowTheMarksAndTheMoves();
    void aStatusMessageRaisesANameChange();
    void renameInTheLastRoundIsToldAtOnce();
    void theStatusBarTellsOnlyTheMoveNowLast_data();
    void theStatusBarTellsOnlyTheMoveNowLast();
    void bothMovesAndTheTurnAreSpokenAsOne();
    void spaceSaysTheMarkItTurns_data();
    void spaceSaysTheMarkItTurns();
    void theChanceIsSpokenWhenItChanges();
    void undoAndRedoSayTheMove_data();
    void undoAndRedoSayTheMove();
    void theHintAndARefusalAreSpoken();
    void theLastRoundIsSpokenOnce();
    void theHandAndTheGameResultsAreSpoken();
    void aPanelReadsTheCpusLastMoveBeforeItsOwnWords();
    void noControlIsDescribedByTheMouse();
    void theKeysAreSaidAtTheFirstCardFocusOfAGame();
    void whatIsToldAroundACpuMoveWaitsForTheTurn_data();
    void whatIsToldAroundACpuMoveWaitsForTheTurn();
    void whatWaitsForATurnIsDroppedWhenTheHandEnds();
    void theTableToggleSaysWhichTableShows();
    void theStateKeysSayTheBoard_data();
    void theStateKeysSayTheBoard();
    void aDealSaysTheCardsItBrought_data();
    void aDealSaysTheCardsItBrought();
};

void TstBoardAccess::initTestCase()
{
    // As a screen reader connected: events are raised, and come to us.
    QAccessible::installUpdateHandler(&registrar);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QVERIFY(QAccessible::isActive());
}

void TstBoardAccess::namesAndRolesOfADealtBoard()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    // The game's number in the status bar is read as it shows.
    f.dialogos().responderTexto(QStringLiteral("2"));
    f.ventana().elegirpartidamnu_Click();
    QCOMPARE(nombre(f.ventana().statusBar()->findChild<QLabel *>("numeroDePartida")), "Partida 2");
    QVERIFY(f.cargar(posicion()));
    DisposicionClasica &t = f.clasica();
    QCOMPARE(nombre(t.cartap2img()[0]), "Rey de oros, en tu mano");
    QCOMPARE(papel(t.cartap2img()[0]), QAccessible::Button);
    QCOMPARE(nombre(t.mesaimg()[1]), "Sota de oros, en la mesa");
    QCOMPARE(papel(t.mesaimg()[1]), QAccessible::Button);
    QCOMPARE(nombre(t.mesaimg()[2]), "Lugar 3 de la mesa, vacío");
    QCOMPARE(nombre(t.Image1()[0]), "Carta de la CPU, boca abajo");
    QCOMPARE(nombre(t.cartap1img()[1]), "Carta de la CPU, boca abajo"); // never its face
    QCOMPARE(nombre(t.cartap1img()[2]), "Lugar 3 de la mano de la CPU, vacío");
    QCOMPARE(papel(t.Image1()[0]), QAccessible::Graphic);
    QCOMPARE(nombre(t.montonimg()[0]), "Montón de la CPU, 10 cartas, arriba el 5 de copas");
    QCOMPARE(nombre(t.montonimg()[1]), "Tu montón, vacío");
    QCOMPARE(papel(t.montonimg()[1]), QAccessible::Graphic);
    QCOMPARE(nombre(t.Checkp2()[0]), "Marca del Rey de oros, en tu mano");
    QCOMPARE(nombre(t.CheckMesa()[1]), "Marca de la Sota de oros, en la mesa");
    QCOMPARE(nombre(t.CheckMonton()[0]), "Marca del montón de la CPU");
    for (QWidget *marca :
         { static_cast<QWidget *>(t.Checkp2()[0]), static_cast<QWidget *>(t.CheckMesa()[0]),
           static_cast<QWidget *>(t.CheckMonton()[1]) })
        QCOMPARE(papel(marca), QAccessible::CheckBox);
    QCOMPARE(nombre(t.Contp1Lbl()), "Montón de la CPU: 10 cartas");
    QCOMPARE(nombre(t.Contp2lbl()), "Tu montón: 0 cartas");
    QCOMPARE(nombre(t.Puntajep2Lbl()), "Tus puntos: 0");
    QCOMPARE(nombre(t.Cartellbl()), "Turno: Juega Ana");
    QCOMPARE(papel(t.Cartellbl()), QAccessible::StaticText);
    QCOMPARE(papel(f.ventana().statusBar()), QAccessible::StatusBar);
}

void TstBoardAccess::namesFollowTheMarksAndTheMoves()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.cartap2img()[0], Qt::LeftButton);
    QTest::mouseClick(t.mesaimg()[1], Qt::LeftButton);
    QCOMPARE(nombre(t.cartap2img()[0]), "Rey de oros, en tu mano, marcada");
    QCOMPARE(nombre(t.mesaimg()[1]), "Sota de oros, en la mesa, marcada");
    QVERIFY(QAccessible::queryAccessibleInterface(t.CheckMesa()[1])->state().checked);
    g_cambios.clear();
    QTest::mouseClick(t.LevantarBtn(), Qt::LeftButton); // then the CPU lays espadas(1)
    QVERIFY(g_cambios.contains(t.cartap2img()[0]) && g_cambios.contains(t.montonimg()[1]));
    QCOMPARE(nombre(t.cartap2img()[0]), "As de copas, en tu mano");
    QCOMPARE(nombre(t.cartap2img()[1]), "Lugar 2 de tu mano, vacío");
    QCOMPARE(nombre(t.mesaimg()[1]), "As de espadas, en la mesa");
    QCOMPARE(nombre(t.montonimg()[1]), "Tu montón, 2 cartas, arriba la Sota de oros");
    QCOMPARE(nombre(t.Contp2lbl()), "Tu montón: 2 cartas");
    QVERIFY(!QAccessible::queryAccessibleInterface(t.CheckMesa()[1])->state().checked);
}

void TstBoardAccess::aStatusMessageRaisesANameChange()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    QStatusBar *barra = f.ventana().statusBar();
    g_cambios.clear();
    Raton::soltarEn(f.mesa(), 0, f.clasica().Cartellbl()); // a drop that does nothing
    QCOMPARE(g_cambios.count(barra), 1);
    QCOMPARE(nombre(barra), barra->currentMessage());
    QVERIFY(barra->currentMessage().startsWith(QStringLiteral("Ahí no se deja una carta")));
    Raton::soltarEn(f.mesa(), 0, f.clasica().Cartellbl()); // the same words again
    QCOMPARE(g_cambios.count(barra), 2);
    Raton::soltarEn(f.mesa(), 0, f.clasica().mesaimg()[0]);
    QCOMPARE(g_cambios.count(barra), 3);
    QCOMPARE(nombre(barra), "El Rey de oros no es del palo del As de bastos: no levanta nada");
}

// In the last round the sign reads "Ultima ronda" and the status bar names who
// plays; a new name used to wait for the next turn there.
void TstBoardAccess::renameInTheLastRoundIsToldAtOnce()
{
    using namespace Naipes;
    BoardFixture f;
    QVERIFY(f.iniciar());
    const Posicion p = ultimaCartaDelQuintoReparto();
    QCOMPARE(p.completa().repartidas(), 34);
    QVERIFY(f.cargar(p));
    f.ventana().juego().intentar(Intento::alMonton(0));
    QCOMPARE(f.estado().cartasRepartidas, 40);
    QStatusBar *barra = f.ventana().statusBar();
    QCOMPARE(f.clasica().Cartellbl()->text(), QStringLiteral("Ultima ronda"));
    QVERIFY2(barra->currentMessage().endsWith(QStringLiteral("Última ronda: juega Ana")),
             qPrintable(barra->currentMessage()));

    f.dialogos().responderTexto(QStringLiteral("Lucía"));
    f.ventana().juego().ordenar(OrdenDelJuego::Nombre);
    QCOMPARE(f.clasica().Label2()->text(), QStringLiteral("Lucía"));
    QCOMPARE(f.clasica().Cartellbl()->text(), QStringLiteral("Ultima ronda"));
    QVERIFY2(barra->currentMessage().endsWith(QStringLiteral("Última ronda: juega Lucía")),
             qPrintable(barra->currentMessage()));
}

void TstBoardAccess::theStatusBarTellsOnlyTheMoveNowLast_data()
{
    QTest::addColumn<QString>("orden");
    QTest::newRow("Nuevo") << QStringLiteral("nuevo");
    QTest::newRow("Elegir partida") << QStringLiteral("elegir");
    QTest::newRow("Deshacer") << QStringLiteral("deshacer");
    QTest::newRow("a kept game resumed") << QStringLiteral("reanudar");
}

// Two moves of the player, each answered by the CPU, whose reply the status bar shows.
// A new hand or game shows nothing of the hand left, or the new hand's opening move of the
// CPU; undo shows the reply the position taken back to answers; a resumed game the CPU's
// reply it was left at.
void TstBoardAccess::theStatusBarTellsOnlyTheMoveNowLast()
{
    QFETCH(QString, orden);
    QTemporaryDir usuario;
    BoardFixture f(3);
    KeptGameKeeper conservada(usuario.path(), f.dialogos(), nullptr);
    f.ventana().juego().setConservada(&conservada);
    QVERIFY(f.iniciar());
    QStatusBar *barra = f.ventana().statusBar();
    QStringList respuestas;
    for (int i = 0; i < 2; ++i) {
        f.ventana().teclado().darPista();
        f.ventana().teclado().intro();
        QVERIFY(f.ventana().juego().esperaAlJugador());
        QVERIFY2(barra->currentMessage().startsWith(QStringLiteral("La CPU ")),
                 qPrintable(barra->currentMessage()));
        respuestas << barra->currentMessage();
    }
    QVERIFY(respuestas[0] != respuestas[1]);
    const auto abreLaCpu = [&f] {
        return f.estado().player1.count() < f.estado().player2.count()
            ? f.ventana().juego().historial().constLast()
            : QString();
    };

    if (orden == QLatin1String("nuevo")) {
        f.ventana().nuevomnu_Click();
        QCOMPARE(barra->currentMessage(), abreLaCpu());
    } else if (orden == QLatin1String("elegir")) {
        f.dialogos().responderTexto(QStringLiteral("2"));
        f.ventana().elegirpartidamnu_Click();
        QCOMPARE(f.ventana().juego().numeroPartida(), 2);
        QCOMPARE(barra->currentMessage(), abreLaCpu());
    } else if (orden == QLatin1String("deshacer")) {
        f.ventana().deshacermnu_Click();
        QCOMPARE(barra->currentMessage(), respuestas[0]);
    } else {
        f.ventana().juego().ordenar(OrdenDelJuego::Cerrar);
        QVERIFY(f.ventana().terminado());
        FakeDialogs dialogos;
        dialogos.responder(DialogService::Respuesta::Yes);
        MersenneRandom azar(1);
        FakePausa pausa;
        const std::unique_ptr<ZelboFrm> otra = f.otraVentana(dialogos, azar, pausa);
        KeptGameKeeper otraConservada(usuario.path(), dialogos, nullptr);
        otra->juego().setConservada(&otraConservada);
        QVERIFY(otra->Form_Load());
        QCOMPARE(dialogos.textos(), QStringList { "¿Continuar la partida anterior?" });
        QCOMPARE(otra->statusBar()->currentMessage(), respuestas[1]);
    }
}

// Orca keeps only the last of the notification's showings that come together:
// the player's move, the CPU's reply and the turn given back must be one showing.
void TstBoardAccess::bothMovesAndTheTurnAreSpokenAsOne()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    avisos(); // the first game's
    QTest::mouseClick(f.clasica().cartap2img()[0], Qt::LeftButton);
    QTest::mouseClick(f.clasica().mesaimg()[1], Qt::LeftButton);
    QTest::mouseClick(f.clasica().LevantarBtn(), Qt::LeftButton); // then the CPU lays espadas(1)
    const QString cpu = QStringLiteral("La CPU tira el As de espadas a la mesa");
    QCOMPARE(f.ventana().statusBar()->currentMessage(), cpu);
    QCOMPARE(avisos(),
             QStringList { QStringLiteral("Levantas la Sota de oros con el Rey de oros. ") + cpu
                           + QStringLiteral(". Juega Ana") });
    // A mark set with the mouse says nothing by itself.
    QTest::mouseClick(f.clasica().cartap2img()[0], Qt::LeftButton);
    QCOMPARE(avisos(), QStringList {});
}

void TstBoardAccess::spaceSaysTheMarkItTurns_data()
{
    QTest::addColumn<QList<Imagen>>("lugares");
    QTest::addColumn<QStringList>("dichos");
    const Imagen rey { GrupoImagen::cartap2img, 0 };
    const Imagen sota { GrupoImagen::mesaimg, 1 };
    const Imagen montonCpu { GrupoImagen::montonimg, 0 };
    QTest::newRow("hand card") << QList { rey } << QStringList { "marcada" };
    QTest::newRow("marked again") << QList { rey, rey } << QStringList { "marcada", "sin marcar" };
    QTest::newRow("table card") << QList { sota } << QStringList { "marcada" };
    QTest::newRow("CPU's pile") << QList { montonCpu, montonCpu }
                                << QStringList { "marcado", "sin marcar" };
    // The As de bastos is no card of the Rey's: the refusal's box says so, no mark changed.
    QTest::newRow("refused") << QList { rey, Imagen { GrupoImagen::mesaimg, 0 } }
                             << QStringList { "marcada" };
}

void TstBoardAccess::spaceSaysTheMarkItTurns()
{
    QFETCH(QList<Imagen>, lugares);
    QFETCH(QStringList, dichos);
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    activar(f);
    avisos(); // the first game's
    QStringList oidos;
    for (const Imagen &lugar : lugares) {
        f.mesa().imagen(lugar)->setFocus();
        tecla(f, Qt::Key_Space);
        oidos << avisos();
    }
    QCOMPARE(oidos, dichos);
}

void TstBoardAccess::theChanceIsSpokenWhenItChanges()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    avisos();
    BarraProbabilidad &barra = f.ventana().ayudas().barra();
    QSignalSpy mostrado(&barra, &BarraProbabilidad::mostrado);
    f.ajustes().setProbabilidad(true);
    QTRY_COMPARE_WITH_TIMEOUT(mostrado.size(), 1, 10000);
    const QString dicho = QStringLiteral("Probabilidad: %1 %").arg(barra.value());
    QCOMPARE(avisos(), QStringList { dicho });
}

void TstBoardAccess::undoAndRedoSayTheMove_data()
{
    QTest::addColumn<bool>("rehacer");
    QTest::addColumn<QString>("dicho");
    QTest::newRow("undo") << false << "Deshecho: levantas la Sota de oros con el Rey de oros";
    QTest::newRow("redo") << true << "Rehecho: levantas la Sota de oros con el Rey de oros";
}

void TstBoardAccess::undoAndRedoSayTheMove()
{
    QFETCH(bool, rehacer);
    QFETCH(QString, dicho);
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    QTest::mouseClick(f.clasica().cartap2img()[0], Qt::LeftButton);
    QTest::mouseClick(f.clasica().mesaimg()[1], Qt::LeftButton);
    QTest::mouseClick(f.clasica().LevantarBtn(), Qt::LeftButton); // then the CPU lays espadas(1)
    avisos();
    f.ventana().deshacermnu_Click();
    if (rehacer) {
        avisos();
        f.ventana().rehacermnu_Click();
    }
    QCOMPARE(avisos(), QStringList { dicho });
}

void TstBoardAccess::theHintAndARefusalAreSpoken()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    activar(f);
    avisos(); // the first game's
    tecla(f, Qt::Key_H);
    const QString pista = f.ventana().statusBar()->currentMessage();
    QVERIFY2(pista.endsWith(QStringLiteral("(Intro)")), qPrintable(pista));
    QCOMPARE(avisos(), QStringList { pista });
    tecla(f, Qt::Key_H); // asked again, said again
    QCOMPARE(avisos(), QStringList { pista });
    Raton::soltarEn(f.mesa(), 0, f.clasica().mesaimg()[0]);
    QCOMPARE(avisos(),
             QStringList { "El Rey de oros no es del palo del As de bastos: no levanta nada" });
}

// The sign shows "Ultima ronda" at every turn of the last round; the notice is
// spoken when the round starts, after the CPU's move of that stretch.
void TstBoardAccess::theLastRoundIsSpokenOnce()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(ultimaCartaDelQuintoReparto()));
    avisos(); // the first game's
    f.ventana().juego().intentar(Intento::alMonton(0));
    QCOMPARE(f.estado().cartasRepartidas, 40);
    const QStringList dichos = avisos();
    QCOMPARE(dichos.size(), 1);
    // The notice names who plays: the turn is not said before it as well.
    QVERIFY2(dichos[0].endsWith(QStringLiteral(". Última ronda: juega Ana"))
                 && !dichos[0].contains(QStringLiteral("Juega Ana")),
             qPrintable(dichos[0]));
    f.ventana().teclado().darPista();
    avisos();
    f.ventana().teclado().intro(); // the hint played, then the CPU's move
    QCOMPARE(f.estado().player1.count(), 1);
    const QStringList luego = avisos();
    QCOMPARE(luego.size(), 1);
    QVERIFY2(luego[0].contains(QStringLiteral(". La CPU ")), qPrintable(luego[0]));
    QVERIFY2(!luego[0].contains(QStringLiteral("Última ronda")), qPrintable(luego[0]));
}

// The human's last card ends the hand and gives the human the third point.
void TstBoardAccess::theHandAndTheGameResultsAreSpoken()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    const Posicion p = Posicion::terceraManoDelHumano();
    QVERIFY(f.cargar(p));
    avisos(); // the first game's
    QStringList descritas;
    QTimer cerrar;
    QElapsedTimer abierta;
    abierta.start();
    connect(&cerrar, &QTimer::timeout, &f.ventana(), [&] {
        // Closed once something was spoken, or after a while if nothing is.
        if (g_avisos.isEmpty() && abierta.elapsed() < 10 * Anunciador::kEsperaMs)
            return;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<WinnerDialogFrm *>(w) && w->isVisible()) {
                descritas << QAccessible::queryAccessibleInterface(w)->text(
                    QAccessible::Description);
                descritas << g_avisos; // spoken while the window is open
                w->close();
            }
        }
    });
    cerrar.start(1);
    Raton::soltarEnFondo(f.mesa(), 0);
    QVERIFY(f.esperarTurno());
    cerrar.stop();
    const QString resultados
        = QStringLiteral("Has ganado la partida. Tus puntos: 3, Puntos de la CPU: 1");
    QCOMPARE(descritas.value(0), resultados);
    // Both last moves are heard before the box that ends the hand, as its name; the hand is
    // spoken over the open results window, which says the game's result itself: not twice.
    const auto contando
        = std::find_if(f.dialogos().mensajes().cbegin(), f.dialogos().mensajes().cend(),
                       [](const FakeDialogs::Mensaje &m) {
                           return m.texto == QLatin1String("Contando puntajes");
                       });
    QVERIFY(contando != f.dialogos().mensajes().cend());
    QCOMPARE(
        contando->opciones.antes,
        QStringLiteral("Tiras el As de oros a la mesa. La CPU tira el As de espadas a la mesa"));
    QCOMPARE(descritas.mid(1),
             QStringList { QStringLiteral("Ana gana la mano. Cartas: la CPU 10, tú 27. Puntos: "
                                          "la CPU 1, tú 3") });
}

// The modern table's summary of a hand that the CPU ended: read as it takes the
// focus, the CPU's move first, and then not spoken again by the notification.
void TstBoardAccess::aPanelReadsTheCpusLastMoveBeforeItsOwnWords()
{
    QStatusBar barra;
    Anunciador anunciador(barra);
    avisos();
    anunciador.jugadaCpu(QStringLiteral("La CPU tira el 7 de copas a la mesa"));
    QCOMPARE(anunciador.conPendiente(QStringLiteral("Ana gana la mano")),
             QStringLiteral("La CPU tira el 7 de copas a la mesa. Ana gana la mano"));
    QCOMPARE(avisos(), QStringList {});
}

// A tool tip tells the mouse what to do; the screen reader reads a control's
// description instead, and Qt falls back on the tip when there is none.
void TstBoardAccess::noControlIsDescribedByTheMouse()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    DisposicionClasica &t = f.clasica();
    const auto descripcion = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    for (QWidget *carta :
         { static_cast<QWidget *>(t.cartap2img()[0]), static_cast<QWidget *>(t.mesaimg()[0]),
           static_cast<QWidget *>(t.montonimg()[0]), static_cast<QWidget *>(t.montonimg()[1]),
           static_cast<QWidget *>(t.cartap1img()[0]), static_cast<QWidget *>(t.Image1()[0]) })
        QCOMPARE(descripcion(carta), QString());
    QCOMPARE(t.cartap2img()[0]->toolTip(), "Click derecho o arrastrar"); // the mouse's, kept
    QCOMPARE(t.LevantarBtn()->toolTip(), "Click para levantar");
    QCOMPARE(descripcion(t.LevantarBtn()),
             "Levanta las cartas marcadas con la carta marcada de tu mano");
}

// Said at every focus, the keys drowned the card's name.
void TstBoardAccess::theKeysAreSaidAtTheFirstCardFocusOfAGame()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    // Whatever else the start of a game says, the CPU's first move perhaps.
    const auto llaves
        = [] { return avisos().join(u' ').count(QStringLiteral("Espacio marca, Intro juega")); };
    activar(f);
    QCOMPARE(llaves(), 1);
    tecla(f, Qt::Key_Right);
    tecla(f, Qt::Key_Up);
    QVERIFY(qobject_cast<CardPicture *>(QApplication::focusWidget()));
    QCOMPARE(llaves(), 0);
    f.ventana().nuevomnu_Click();
    tecla(f, Qt::Key_Up);
    tecla(f, Qt::Key_Down);
    QCOMPARE(llaves(), 1);
}

// The keys are told at the first focus, which may come as the CPU's first move
// is chosen or shown (the window came to the front then): the move keeps the
// turn it gives back.
void TstBoardAccess::whatIsToldAroundACpuMoveWaitsForTheTurn_data()
{
    QTest::addColumn<bool>("durante");
    QTest::addColumn<QString>("dicho");
    QTest::newRow("before the move") << false
                                     << "Espacio marca, Intro juega. La CPU tira el 7 de copas a "
                                        "la mesa. Juega Ana";
    QTest::newRow("while it is shown") << true
                                       << "La CPU tira el 7 de copas a la mesa. Juega Ana. "
                                          "Espacio marca, Intro juega";
}

void TstBoardAccess::whatIsToldAroundACpuMoveWaitsForTheTurn()
{
    QFETCH(bool, durante);
    QFETCH(QString, dicho);
    QStatusBar barra;
    barra.show(); // its notification shows only within it
    Anunciador anunciador(barra);
    avisos();
    const QString llaves = QStringLiteral("Espacio marca, Intro juega");
    if (!durante)
        anunciador.avisarTrasElTurno(llaves);
    anunciador.jugadaCpu(QStringLiteral("La CPU tira el 7 de copas a la mesa"));
    if (durante)
        anunciador.avisarTrasElTurno(llaves);
    QCOMPARE(avisos(), QStringList {}); // the beats take their time
    anunciador.turno(QStringLiteral("Juega Ana"), true);
    QCOMPARE(avisos(), QStringList { dicho });
}

// A figure of the hand just scored is not said at the next hand's first turn.
void TstBoardAccess::whatWaitsForATurnIsDroppedWhenTheHandEnds()
{
    QStatusBar barra;
    barra.show();
    Anunciador anunciador(barra);
    avisos();
    anunciador.jugadaCpu(QStringLiteral("La CPU tira el 7 de copas a la mesa"));
    anunciador.avisarTrasElTurno(QStringLiteral("Probabilidad: 62 %"));
    anunciador.finDeMano(ResultadoDeMano::dePilas(21, 19), QStringLiteral("Ana"), 1, 0);
    avisos();
    anunciador.turno(QStringLiteral("Juega Ana"), true);
    QVERIFY(!avisos().join(u' ').contains(QStringLiteral("Probabilidad")));
}

void TstBoardAccess::theTableToggleSaysWhichTableShows()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.esperarTurno());
    QAction *moderna = nullptr;
    for (QAction *a : f.ventana().findChildren<QAction *>())
        if (a->text() == QStringLiteral("Mes&a moderna"))
            moderna = a;
    QVERIFY(moderna);
    avisos();
    moderna->trigger();
    QCOMPARE(avisos(), QStringList { QStringLiteral("Ahora se muestra la mesa moderna") });
    moderna->trigger();
    QCOMPARE(avisos(), QStringList { QStringLiteral("Ahora se muestra la mesa clásica") });
}

void TstBoardAccess::theStateKeysSayTheBoard_data()
{
    QTest::addColumn<Qt::Key>("clave");
    QTest::addColumn<bool>("probabilidad");
    QTest::addColumn<QString>("dicho");
    QTest::newRow("T") << Qt::Key_T << false << "En la mesa: el As de bastos y la Sota de oros";
    QTest::newRow("Y") << Qt::Key_Y << false << "Tu mano: el Rey de oros y el As de copas";
    QTest::newRow("P") << Qt::Key_P << false
                       << "Montón de la CPU: 10 cartas, arriba el 5 de copas. Tu montón: vacío. "
                          "Puntos: Maquina 0, Ana 0";
    QTest::newRow("S") << Qt::Key_S << false << "Juega Ana. Mano 1, ronda 2 de 6";
    QTest::newRow("S, the chance shown")
        << Qt::Key_S << true << "Juega Ana. Mano 1, ronda 2 de 6. Probabilidad: %1 %";
}

void TstBoardAccess::theStateKeysSayTheBoard()
{
    QFETCH(Qt::Key, clave);
    QFETCH(bool, probabilidad);
    QFETCH(QString, dicho);
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.cargar(posicion()));
    activar(f);
    BarraProbabilidad &barra = f.ventana().ayudas().barra();
    if (probabilidad) {
        QSignalSpy mostrado(&barra, &BarraProbabilidad::mostrado);
        f.ajustes().setProbabilidad(true);
        QTRY_COMPARE_WITH_TIMEOUT(mostrado.size(), 1, 10000);
        dicho = dicho.arg(barra.value());
    }
    avisos();
    tecla(f, clave);
    QCOMPARE(avisosAlFin(), QStringList { dicho });
}

void TstBoardAccess::aDealSaysTheCardsItBrought_data()
{
    QTest::addColumn<int>("semilla");
    QTest::addColumn<bool>("alEmpezar");
    QTest::addColumn<QString>("dicho");
    QTest::newRow("a game's first deal, the CPU to open")
        << 1 << true
        << "Nuevo reparto: el 6 de espadas, el 4 de oros y el 2 de bastos. En la mesa: el 6 de "
           "oros, el Caballo de copas, el As de oros y el 5 de copas. La CPU tira el 7 de bastos "
           "a la mesa. Juega Ana";
    // The turn is said though no move of the CPU's came before it.
    QTest::newRow("a game's first deal, the human to open")
        << 2 << true
        << "Nuevo reparto: el As de oros, la Sota de espadas y el 7 de espadas. En la mesa: el 5 "
           "de bastos, el 2 de bastos, la Sota de bastos y el As de copas. Juega Ana";
    QTest::newRow("a later deal")
        << 1 << false
        << "Pones el As de oros en tu montón. Nuevo reparto: el 7, el Caballo y el 4 de bastos. "
           "La CPU tira el 6 de bastos a la mesa. Última ronda: juega Ana";
}

void TstBoardAccess::aDealSaysTheCardsItBrought()
{
    QFETCH(int, semilla);
    QFETCH(bool, alEmpezar);
    QFETCH(QString, dicho);
    BoardFixture f(static_cast<std::uint64_t>(semilla));
    QVERIFY(f.iniciar());
    if (!alEmpezar) {
        QVERIFY(f.cargar(ultimaCartaDelQuintoReparto()));
        avisos();
        f.ventana().juego().intentar(Intento::alMonton(0));
    }
    // Whenever the keys are told, they are told apart.
    QStringList dichos = avisosAlFin().join(u' ').split(QStringLiteral(". "));
    dichos.removeAll(QStringLiteral("Espacio marca, Intro juega"));
    QCOMPARE(dichos.join(QStringLiteral(". ")), dicho);
}

ZELBO_TEST_MAIN(TstBoardAccess)
#include "tst_board_access.moc"
