// SPDX-License-Identifier: GPL-3.0-or-later

#include "anunciador.h"
#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "disposicionmoderna.h"
#include "frasejugada.h"
#include "markbox.h"
#include "pista.h"
#include "programadepruebas.h"
#include "tecladotablero.h"
#include "winnerdialogfrm.h"
#include "zelbofrm.h"

#include <QApplication>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace Naipes;
using Tipo = Jugada::Tipo;

Q_DECLARE_METATYPE(Imagen)
Q_DECLARE_METATYPE(Posicion)

namespace {

// The human holds oros(1) and copas(1); the table bastos(1) and oros(2); the
// CPU's pile shows copas(5); the CPU holds espadas(1), which matches nothing.
Posicion posicion()
{
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1), espadas(2) };
    p.mesa = { bastos(1), oros(2) };
    p.pilaCpu = { copas(5) };
    p.tamPilaCpu = 3;
    p.tamPilaHumano = 1;
    return p;
}

// Presses a key where the player's key goes: the focused control of the
// active window.
void tecla(BoardFixture &f, Qt::Key clave)
{
    QWidget *foco = QApplication::focusWidget();
    QTest::keyClick(foco ? foco : &f.ventana(), clave);
}

void teclas(BoardFixture &f, Qt::Key clave, int veces)
{
    for (int i = 0; i < veces; ++i)
        tecla(f, clave);
}

QString estado(BoardFixture &f)
{
    return f.ventana().statusBar()->currentMessage();
}

// Closes the results window as the player does with Esc.
class CierraResultados : public QObject
{
public:
    CierraResultados()
    {
        m_reloj.setInterval(1);
        connect(&m_reloj, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (qobject_cast<WinnerDialogFrm *>(w) && w->isVisible()) {
                    QTest::keyClick(w, Qt::Key_Escape);
                    ++m_cerrados;
                }
            }
        });
        m_reloj.start();
    }
    int cerrados() const { return m_cerrados; }

private:
    QTimer m_reloj;
    int m_cerrados = 0;
};

} // namespace

class TstBoardKeys : public QObject
{
    Q_OBJECT

private slots:
    void wholeGameWithTheKeysOnly_data();
    void wholeGameWithTheKeysOnly();
    void keysAndTheirRefusals();
    void hintMarksAndSaysItsMove();
    void hintIsTheBestMoveAgainstThatLevel_data();
    void hintIsTheBestMoveAgainstThatLevel();
    void spaceMarksTheOwnPileAndEnterPlaysExactlyTheMarks();
    void hintOntoAnEmptyOwnPileIsPlayedByEnter();
    void wholeDifficultGameWithHintAndEnterOnly_data();
    void wholeDifficultGameWithHintAndEnterOnly();
    void keysDuringTheCpuTurnAreDiscarded();
    void homeAndEndGoToTheEndsOfARow_data();
    void homeAndEndGoToTheEndsOfARow();
    void theFocusStaysInItsRowAfterAnOwnMove_data();
    void theFocusStaysInItsRowAfterAnOwnMove();

private:
    bool empezar(BoardFixture &f, const Posicion *p = nullptr);
    void irAFila(BoardFixture &f, const QList<CardPicture *> &fila);
    void marcarConFlechas(BoardFixture &f, const Jugada &j);
};

bool TstBoardKeys::empezar(BoardFixture &f, const Posicion *p)
{
    if (!f.iniciar() || (p && !f.cargar(*p)))
        return false;
    f.ventana().activateWindow();
    return QTest::qWaitForWindowActive(&f.ventana());
}

void TstBoardKeys::irAFila(BoardFixture &f, const QList<CardPicture *> &fila)
{
    teclas(f, Qt::Key_Up, 3);
    for (int i = 0; i < 4 && !std::count(fila.begin(), fila.end(), QApplication::focusWidget());
         ++i)
        tecla(f, Qt::Key_Down);
}

// Marks the move as a player does with the arrows and Space.
void TstBoardKeys::marcarConFlechas(BoardFixture &f, const Jugada &j)
{
    // The table shown, classic or modern.
    const Mesa &t = f.mesa();
    const QList<CardPicture *> mano = t.imagenes(GrupoImagen::cartap2img);
    irAFila(f, mano);
    teclas(f, Qt::Key_Left, 3);
    teclas(f, Qt::Key_Right, j.carta);
    QCOMPARE(QApplication::focusWidget(), mano.at(j.carta));
    tecla(f, Qt::Key_Space);
    for (int lugar : j.mesa) {
        irAFila(f, mano);
        tecla(f, Qt::Key_Up);
        teclas(f, Qt::Key_Left, 7);
        teclas(f, Qt::Key_Right, lugar);
        QCOMPARE(QApplication::focusWidget(), t.imagen({ GrupoImagen::mesaimg, lugar }));
        tecla(f, Qt::Key_Space);
    }
    if (j.tipo == Tipo::LevantarMonton) {
        teclas(f, Qt::Key_Up, 3);
        QCOMPARE(QApplication::focusWidget(), t.imagen({ GrupoImagen::montonimg, 0 }));
        tecla(f, Qt::Key_Space);
    }
}

// Every turn of the human is keys: the hint and Enter, or, every other turn,
// the hint's move marked with the arrows and Space, then Enter or M. The hand-end boxes
// and "¿Jugar de nuevo?" are answered by the scripted dialogs, the results
// window closed with Esc.
void TstBoardKeys::wholeGameWithTheKeysOnly_data()
{
    QTest::addColumn<TipoMesa>("mesa");
    QTest::newRow("clásica") << TipoMesa::Clasica;
    QTest::newRow("moderna") << TipoMesa::Moderna;
}

void TstBoardKeys::wholeGameWithTheKeysOnly()
{
    QFETCH(TipoMesa, mesa);
    MesaElegida elegida(mesa);
    BoardFixture f(elegida, 7);
    QCOMPARE(f.moderna() != nullptr, mesa == TipoMesa::Moderna);
    CierraResultados resultados;
    const RespondeEnMesa enMesa(f.ventana(), false);
    f.dialogos().responder(DialogService::Respuesta::No);
    QVERIFY(empezar(f));
    int turnos = 0;
    QSet<Tipo> tipos;
    while (!f.ventana().terminado() && turnos < 500) {
        QVERIFY(f.esperarTurno()); // the results window closed with Esc
        if (f.ventana().terminado())
            break;
        const GameState &e = f.estado();
        const Jugada j = Pista::mejor(e, f.ventana().juego().nivelCpu());
        tipos.insert(j.tipo);
        const int mano = e.player2.count();
        const int repartidas = e.cartasRepartidas;
        if (turnos % 2 == 0) {
            tecla(f, Qt::Key_H);
            QVERIFY(e.marcas.Checkp2.at(std::size_t(j.carta)));
        } else {
            marcarConFlechas(f, j);
        }
        if (turnos % 2 == 0)
            QVERIFY2(estado(f).endsWith(QStringLiteral("(Intro)")), qPrintable(estado(f)));
        tecla(f, j.tipo == Tipo::AlMonton && turnos % 2 == 1 ? Qt::Key_M : Qt::Key_Return);
        ++turnos;
        // The move was made: the hand lost its card, or a new deal came.
        QVERIFY(f.ventana().terminado() || f.estado().player2.count() != mano
                || f.estado().cartasRepartidas != repartidas);
        QVERIFY2(f.estado().faltaDeConsistencia().isEmpty(),
                 qPrintable(f.estado().faltaDeConsistencia()));
    }
    QVERIFY(f.ventana().terminado());
    QCOMPARE(f.ventana().estadoSalida(), 0);
    // The modern table tells the hand's end and the results on the table, in no box.
    const bool moderna = mesa == TipoMesa::Moderna;
    QCOMPARE(resultados.cerrados(), moderna ? 0 : 1);
    QCOMPARE(enMesa.resultados(), moderna ? 1 : 0);
    QVERIFY(enMesa.resumenes() >= (moderna ? 3 : 0));
    QCOMPARE(f.dialogos().textos().count(QStringLiteral("¿Jugar de nuevo?")), moderna ? 0 : 1);
    QVERIFY(!moderna || f.dialogos().textos().isEmpty());
    for (const QString &texto : f.dialogos().textos())
        QVERIFY2(texto == QStringLiteral("Contando puntajes")
                     || texto == QStringLiteral("¿Jugar de nuevo?")
                     || texto == QStringLiteral("Mano empatada")
                     || texto.endsWith(QStringLiteral(" gana la mano")),
                 qPrintable(texto));
    QVERIFY(tipos.contains(Tipo::LevantarMesa) && tipos.contains(Tipo::Tirar));
}

void TstBoardKeys::keysAndTheirRefusals()
{
    BoardFixture f;
    const Posicion p = posicion();
    QVERIFY(empezar(f, &p));
    DisposicionClasica &t = f.clasica();
    const auto foco = [] { return QApplication::focusWidget(); };
    QCOMPARE(foco(), t.cartap2img()[0]); // the focus starts on the hand
    tecla(f, Qt::Key_Right);
    tecla(f, Qt::Key_Right);
    QCOMPARE(foco(), t.cartap2img()[1]);
    tecla(f, Qt::Key_Up);
    QCOMPARE(foco(), t.mesaimg()[1]);
    tecla(f, Qt::Key_Up);
    tecla(f, Qt::Key_Up);
    QCOMPARE(foco(), t.montonimg()[0]);
    teclas(f, Qt::Key_Down, 3);
    QCOMPARE(foco(), t.montonimg()[1]);
    tecla(f, Qt::Key_Space); // the own pile takes its mark
    QVERIFY(f.estado().marcas.CheckMonton[1] && t.CheckMonton()[1]->isChecked());
    tecla(f, Qt::Key_M);
    QCOMPARE(estado(f), "Marca una sola de tus cartas para ponerla en tu montón");
    tecla(f, Qt::Key_Return);
    QCOMPARE(f.dialogos().textos(), QStringList { "Debes seleccionar solo una de tus cartas" });
    tecla(f, Qt::Key_Space); // and gives it back
    QVERIFY(!f.estado().marcas.CheckMonton[1] && !t.CheckMonton()[1]->isChecked());
    tecla(f, Qt::Key_Up);
    teclas(f, Qt::Key_Left, 2);
    tecla(f, Qt::Key_Space);
    QVERIFY(f.estado().marcas.Checkp2[0]);
    tecla(f, Qt::Key_Return); // one hand card alone: laid, but oros(2) is on the table
    QCOMPARE(f.dialogos().textos().last(), "Tienes cartas para levantar");
    tecla(f, Qt::Key_Up);
    QCOMPARE(foco(), t.mesaimg()[0]);
    tecla(f, Qt::Key_Space); // bastos(1): another palo
    QCOMPARE(f.dialogos().textos().last(), "Solo puedes levantar cartas de un mismo tipo");
    tecla(f, Qt::Key_Right);
    tecla(f, Qt::Key_Space);
    tecla(f, Qt::Key_Up);
    tecla(f, Qt::Key_Space); // copas(5): another palo
    QCOMPARE(f.dialogos().textos().size(), 4);
    QCOMPARE(f.estado().lamesa.count(), 2);
    QVERIFY(f.estado().marcas.CheckMesa[1] && !f.estado().marcas.CheckMonton[0]);
    tecla(f, Qt::Key_Enter); // the keypad's Enter lifts as well
    QCOMPARE(Posicion::numeros(f.estado().player2Lev).mid(0, 2), QList<int>({ oros(2), oros(1) }));
    QCOMPARE(estado(f), "La CPU tira el As de espadas a la mesa");
    teclas(f, Qt::Key_Down, 2);
    QCOMPARE(foco(), t.cartap2img()[0]);
    tecla(f, Qt::Key_Space);
    tecla(f, Qt::Key_M);
    QCOMPARE(int(f.estado().player2Lev.at(0)), copas(1));
}

void TstBoardKeys::hintMarksAndSaysItsMove()
{
    BoardFixture f;
    Posicion p = posicion();
    p.mesa = { oros(5), bastos(1), oros(7) };
    p.humano = { copas(1), oros(10) };
    p.pilaCpu = { espadas(5) };
    p.tamPilaHumano = 0;
    QVERIFY(empezar(f, &p));
    // The hint's move is the one the chance to win rates best against the CPU's level.
    const Jugada j = Pista::mejor(f.estado(), f.ventana().juego().nivelCpu());
    tecla(f, Qt::Key_H);
    QCOMPARE(estado(f), FraseJugada::pista(f.estado(), j));
    QVERIFY(estado(f).endsWith(QStringLiteral(" (Intro)")));
    const Marcas &m = f.estado().marcas;
    Marcas esperadas = m;
    Pista::marcar(esperadas, j);
    QCOMPARE(m.Checkp2, esperadas.Checkp2);
    QCOMPARE(m.CheckMesa, esperadas.CheckMesa);
    QCOMPARE(m.CheckMonton, esperadas.CheckMonton);
    for (int lugar : j.mesa)
        QVERIFY(f.clasica().CheckMesa()[lugar]->isChecked());
    QCOMPARE(QApplication::focusWidget(), f.clasica().cartap2img()[j.carta]);
    tecla(f, Qt::Key_Return);
    QVERIFY(!Posicion::numeros(f.estado().player2).contains(p.humano.at(j.carta)));
    // The focused card left the hand: the focus stays in the hand.
    QCOMPARE(QApplication::focusWidget(), f.clasica().cartap2img()[0]);
    const Jugada otra = Pista::mejor(f.estado(), f.ventana().juego().nivelCpu());
    tecla(f, Qt::Key_H); // the one card left
    QCOMPARE(estado(f), FraseJugada::pista(f.estado(), otra));
    tecla(f, Qt::Key_Return);
    QVERIFY2(estado(f).startsWith(QStringLiteral("La CPU ")),
             qPrintable(estado(f))); // the hint is gone
    QCOMPARE(f.dialogos().textos(), QStringList {});
}

void TstBoardKeys::hintIsTheBestMoveAgainstThatLevel_data()
{
    QTest::addColumn<NivelCpu>("nivel");
    QTest::newRow("normal") << NivelCpu::Normal;
    QTest::newRow("dificil") << NivelCpu::Dificil;
    QTest::newRow("experto") << NivelCpu::Experto;
}

// The hint is the move the chance to win rates best against the level in force: copas(1)
// could take the CPU's one-card pile, and three oros lie on the table for oros(10).
void TstBoardKeys::hintIsTheBestMoveAgainstThatLevel()
{
    QFETCH(NivelCpu, nivel);
    BoardFixture f;
    f.ventana().juego().setFuenteDeNivel([nivel] { return nivel; });
    Posicion p = posicion();
    p.humano = { copas(1), oros(10) };
    p.mesa = { oros(5), bastos(1), oros(7), oros(3) };
    p.pilaCpu = { copas(5) };
    p.tamPilaCpu = 1;
    p.tamPilaHumano = 7;
    QVERIFY(empezar(f, &p));
    QCOMPARE(f.ventana().juego().nivelCpu(), nivel);
    const Jugada pista = Pista::mejor(f.estado(), nivel);
    tecla(f, Qt::Key_H);
    const Marcas &m = f.estado().marcas;
    QVERIFY(m.Checkp2.at(std::size_t(pista.carta)));
    QCOMPARE(m.CheckMonton[0], pista.tipo == Tipo::LevantarMonton);
    for (int lugar = 0; lugar < p.mesa.size(); ++lugar)
        QCOMPARE(m.CheckMesa.at(std::size_t(lugar)),
                 std::find(pista.mesa.begin(), pista.mesa.end(), lugar) != pista.mesa.end());
}

// oros(1) marked with oros(2) on the table: with the own pile marked too, Enter
// refuses the mixed marks; with only the own pile, it puts the card there,
// where a lay would be refused.
void TstBoardKeys::spaceMarksTheOwnPileAndEnterPlaysExactlyTheMarks()
{
    BoardFixture f;
    const Posicion p = posicion();
    QVERIFY(empezar(f, &p));
    DisposicionClasica &t = f.clasica();
    const Marcas &m = f.estado().marcas;
    tecla(f, Qt::Key_Space); // oros(1)
    tecla(f, Qt::Key_Up);
    tecla(f, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), t.mesaimg()[1]);
    tecla(f, Qt::Key_Space); // oros(2)
    teclas(f, Qt::Key_Down, 2);
    QCOMPARE(QApplication::focusWidget(), t.montonimg()[1]);
    tecla(f, Qt::Key_Space);
    QVERIFY(m.Checkp2[0] && m.CheckMesa[1] && m.CheckMonton[1]);
    const QString antes = Posicion::texto(f.estado());
    tecla(f, Qt::Key_Return);
    QCOMPARE(f.dialogos().textos(),
             QStringList { "No puedes poner la carta en tu montón y levantar a la vez" });
    QCOMPARE(Posicion::texto(f.estado()), antes);
    teclas(f, Qt::Key_Up, 2);
    tecla(f, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), t.mesaimg()[1]);
    tecla(f, Qt::Key_Space);
    QVERIFY(!m.CheckMesa[1]);
    tecla(f, Qt::Key_Return);
    QCOMPARE(Posicion::numeros(f.estado().player2Lev).mid(0, 1), QList<int> { oros(1) });
    QCOMPARE(Posicion::numeros(f.estado().lamesa).mid(0, 2), QList<int>({ bastos(1), oros(2) }));
    QCOMPARE(f.dialogos().textos().size(), 1);
}

// Both piles empty, oros(2) on the table, and a hint (the Difícil player's, at
// that level) of oros(1) onto the own pile: H marks the pile, Enter plays it.
void TstBoardKeys::hintOntoAnEmptyOwnPileIsPlayedByEnter()
{
    BoardFixture f;
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1), espadas(4) };
    p.mesa = { oros(2), bastos(1), bastos(2), bastos(3), bastos(4), espadas(2) };
    p.tamPilaCpu = 0;
    p.tamPilaHumano = 0;
    QVERIFY(empezar(f, &p));
    f.ventana().teclado().pista().setElector([](const GameState &) {
        return Jugada { Tipo::AlMonton, 0, {} };
    });
    tecla(f, Qt::Key_H);
    QCOMPARE(estado(f), "Pon el As de oros en tu montón (Intro)");
    QVERIFY(f.estado().marcas.CheckMonton[1] && f.clasica().CheckMonton()[1]->isChecked());
    tecla(f, Qt::Key_Return);
    QCOMPARE(Posicion::numeros(f.estado().player2Lev), QList<int> { oros(1) });
    QVERIFY(f.dialogos().textos().isEmpty());
}

// At the Difícil level, the CPU and the hint both the Difícil player: every
// turn is H then Enter, and no refusal is ever shown.
void TstBoardKeys::wholeDifficultGameWithHintAndEnterOnly_data()
{
    wholeGameWithTheKeysOnly_data();
}

void TstBoardKeys::wholeDifficultGameWithHintAndEnterOnly()
{
    QFETCH(TipoMesa, mesa);
    MesaElegida elegida(mesa);
    BoardFixture f(elegida, 11);
    f.ventana().juego().setFuenteDeNivel([] { return NivelCpu::Dificil; });
    CierraResultados resultados;
    const RespondeEnMesa enMesa(f.ventana(), false);
    f.dialogos().responder(DialogService::Respuesta::No);
    QVERIFY(empezar(f));
    QCOMPARE(f.ventana().juego().nivelCpu(), NivelCpu::Dificil);
    int turnos = 0;
    while (!f.ventana().terminado() && turnos < 500) {
        QVERIFY(f.esperarTurno()); // the results window closed with Esc
        if (f.ventana().terminado())
            break;
        const int mano = f.estado().player2.count();
        const int repartidas = f.estado().cartasRepartidas;
        tecla(f, Qt::Key_H);
        QVERIFY2(estado(f).endsWith(QStringLiteral("(Intro)")), qPrintable(estado(f)));
        tecla(f, Qt::Key_Return);
        ++turnos;
        QVERIFY(f.ventana().terminado() || f.estado().player2.count() != mano
                || f.estado().cartasRepartidas != repartidas);
    }
    QVERIFY(f.ventana().terminado());
    QCOMPARE(f.ventana().estadoSalida(), 0);
    QVERIFY(turnos > 40);
    QCOMPARE(enMesa.resultados(), mesa == TipoMesa::Moderna ? 1 : 0);
    for (const QString &texto : f.dialogos().textos())
        QVERIFY2(texto == QStringLiteral("Contando puntajes")
                     || texto == QStringLiteral("¿Jugar de nuevo?")
                     || texto == QStringLiteral("Mano empatada")
                     || texto.endsWith(QStringLiteral(" gana la mano")),
                 qPrintable(texto));
}

void TstBoardKeys::keysDuringTheCpuTurnAreDiscarded()
{
    BoardFixture f;
    const Posicion p = posicion();
    QVERIFY(empezar(f, &p));
    QString antes;
    QString despues;
    QWidget *focoAntes = nullptr;
    f.pausa().setDurante([&] {
        antes = Posicion::texto(f.estado());
        focoAntes = QApplication::focusWidget();
        for (Qt::Key k : { Qt::Key_H, Qt::Key_M, Qt::Key_Return, Qt::Key_Space, Qt::Key_Left,
                           Qt::Key_Up, Qt::Key_Down })
            tecla(f, k);
        despues = Posicion::texto(f.estado());
        QCOMPARE(QApplication::focusWidget(), focoAntes);
    });
    tecla(f, Qt::Key_Right); // copas(1), which matches nothing on the table
    tecla(f, Qt::Key_Space);
    tecla(f, Qt::Key_Return);
    QCOMPARE(f.pausa().esperas().size(), 1);
    QCOMPARE(despues, antes);
    QVERIFY(f.dialogos().textos().isEmpty());
    QCOMPARE(estado(f), "La CPU tira el As de espadas a la mesa");
    QCOMPARE(Posicion::numeros(f.estado().lamesa),
             QList<int>({ bastos(1), oros(2), copas(1), espadas(1) }));
}

void TstBoardKeys::homeAndEndGoToTheEndsOfARow_data()
{
    QTest::addColumn<Imagen>("desde");
    QTest::addColumn<Qt::Key>("clave");
    QTest::addColumn<Imagen>("hasta");
    const Imagen mano0 { GrupoImagen::cartap2img, 0 };
    const Imagen mano1 { GrupoImagen::cartap2img, 1 };
    const Imagen montonCpu { GrupoImagen::montonimg, 0 };
    QTest::newRow("End in the hand") << mano0 << Qt::Key_End << mano1;
    QTest::newRow("Home in the hand") << mano1 << Qt::Key_Home << mano0;
    QTest::newRow("End on the table")
        << Imagen { GrupoImagen::mesaimg, 0 } << Qt::Key_End << Imagen { GrupoImagen::mesaimg, 1 };
    QTest::newRow("a row of one card") << montonCpu << Qt::Key_Home << montonCpu;
}

void TstBoardKeys::homeAndEndGoToTheEndsOfARow()
{
    QFETCH(Imagen, desde);
    QFETCH(Qt::Key, clave);
    QFETCH(Imagen, hasta);
    BoardFixture f;
    const Posicion p = posicion();
    QVERIFY(empezar(f, &p));
    f.mesa().imagen(desde)->setFocus();
    tecla(f, clave);
    QCOMPARE(QApplication::focusWidget(), f.mesa().imagen(hasta));
}

// A screen reader reads every card the focus lands on, and a focus that wandered
// (to the CPU's pile, then a table card) kept the CPU's reply waiting: the focus
// goes only to the nearest card of its row when its place empties.
void TstBoardKeys::theFocusStaysInItsRowAfterAnOwnMove_data()
{
    QTest::addColumn<Posicion>("posicion");
    QTest::addColumn<QList<Imagen>>("marcadas"); // with Space, the last with the focus
    QTest::addColumn<QList<Imagen>>("focos"); // where the focus went, in order
    const Imagen mano0 { GrupoImagen::cartap2img, 0 };
    const Imagen mano1 { GrupoImagen::cartap2img, 1 };
    const Imagen mesa0 { GrupoImagen::mesaimg, 0 };
    const Imagen mesa1 { GrupoImagen::mesaimg, 1 };
    const Imagen ninguna { GrupoImagen::cartap1img, -1 }; // the focus on no card
    // copas(1), the hand's last card, takes the CPU's pile.
    QTest::newRow("the hand's last place")
        << posicion() << QList { Imagen { GrupoImagen::montonimg, 0 }, mano1 } << QList { mano0 };
    Posicion ultima = posicion();
    ultima.humano = { oros(1) };
    ultima.cpu = { espadas(1) };
    ultima.tamPilaHumano = 3; // ten cards dealt
    QTest::newRow("the table's last place, with the hand's last card")
        << ultima << QList { mano0, mesa1 } << QList { mesa0 };
    QTest::newRow("the hand's last card, at the hand's end")
        << ultima << QList { mesa1, mano0 } << QList { ninguna, mano0 };
    // The hand empties and is dealt anew at once, 34 cards dealt: the focus waits on no card,
    // for each card it passed would be read before the new hand.
    Posicion reparto;
    reparto.humano = { oros(1) };
    reparto.mesa = { copas(3) };
    reparto.pilaCpu = { copas(5) };
    reparto.pilaHumano = { bastos(8) };
    reparto.tamPilaCpu = 16;
    reparto.tamPilaHumano = 16;
    QTest::newRow("the hand's last card, with a deal to follow")
        << reparto << QList { Imagen { GrupoImagen::montonimg, 1 }, mano0 }
        << QList { ninguna, mano0 };
}

void TstBoardKeys::theFocusStaysInItsRowAfterAnOwnMove()
{
    QFETCH(Posicion, posicion);
    QFETCH(QList<Imagen>, marcadas);
    QFETCH(QList<Imagen>, focos);
    BoardFixture f;
    QVERIFY(empezar(f, &posicion));
    for (const Imagen &lugar : marcadas) {
        f.mesa().imagen(lugar)->setFocus();
        tecla(f, Qt::Key_Space);
    }
    QList<Imagen> fueron;
    const QMetaObject::Connection seguir
        = connect(qApp, &QApplication::focusChanged, this, [&fueron](QWidget *, QWidget *ahora) {
              const auto *carta = qobject_cast<CardPicture *>(ahora);
              fueron << (carta ? carta->imagen() : Imagen { GrupoImagen::cartap1img, -1 });
          });
    const int mano = f.estado().player2.count();
    tecla(f, Qt::Key_Return);
    QVERIFY(f.esperarTurno());
    disconnect(seguir);
    QVERIFY(f.estado().player2.count() != mano);
    QCOMPARE(fueron, focos);
}

ZELBO_TEST_MAIN(TstBoardKeys)
#include "tst_board_keys.moc"
