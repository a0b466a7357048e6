// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "boardwidget.h"
#include "cardpicture.h"
#include "markbox.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace Naipes;

namespace {

// The human holds copas(1), of the suit of the CPU's pile: with both marked,
// Intro takes the pile.
Posicion posicion()
{
    Posicion p;
    p.humano = { oros(10), copas(1) };
    p.cpu = { espadas(1), espadas(2) };
    p.mesa = { bastos(1), oros(8) };
    p.pilaCpu = { copas(5) };
    p.tamPilaCpu = 10;
    return p;
}

QMenu *menu(QMenuBar &barra, const QString &titulo)
{
    for (QAction *accion : barra.actions()) {
        if (accion->text() == titulo)
            return accion->menu();
    }
    return nullptr;
}

void clicEnTitulo(QMenuBar &barra, const QString &titulo)
{
    QMenu *m = menu(barra, titulo);
    QVERIFY(m);
    QTest::mouseClick(&barra, Qt::LeftButton, {}, barra.actionGeometry(m->menuAction()).center());
}

// A key where the player's key goes: the open menu, else the focused control.
void tecla(QWidget &ventana, Qt::Key clave)
{
    QWidget *destino = QApplication::activePopupWidget();
    if (!destino)
        destino = QApplication::focusWidget();
    QTest::keyClick(destino ? destino : &ventana, clave);
}

} // namespace

// The menu bar and its menus take their keys and clicks: none plays a move.
class TstBoardMenus : public QObject
{
    Q_OBJECT

private slots:
    void keysMeantForTheMenusPlayNothing_data();
    void keysMeantForTheMenusPlayNothing();
    void clicksOnTheMenuBarPlayNothing();
    void boardKeysStillPlayOutsideTheMenus();

private:
    // How the menu bar came to have the keyboard.
    enum class Inicio { Alt, Clic, ClicYEsc };
    static bool empezarConMarcas(BoardFixture &f);
};

bool TstBoardMenus::empezarConMarcas(BoardFixture &f)
{
    if (!f.iniciar() || !f.cargar(posicion()))
        return false;
    f.ventana().show();
    f.ventana().activateWindow();
    if (!QTest::qWaitForWindowActive(&f.ventana()))
        return false;
    // As the hint marks the move: the human's copas and the CPU's pile.
    BoardWidget &t = f.tablero();
    QTest::mouseClick(t.Checkp2[1], Qt::LeftButton);
    QTest::mouseClick(t.montonimg[0], Qt::LeftButton);
    return f.estado().marcas.Checkp2[1] && f.estado().marcas.CheckMonton[0];
}

void TstBoardMenus::keysMeantForTheMenusPlayNothing_data()
{
    QTest::addColumn<int>("inicio");
    QTest::addColumn<int>("clave");
    QTest::addColumn<QString>("abierto"); // the menu open after the key, if any
    using K = int;
    const auto alt = K(Inicio::Alt);
    const auto clic = K(Inicio::Clic);
    const auto cerrado = K(Inicio::ClicYEsc);
    QTest::newRow("Alt, Right, Intro opens Juego") << alt << K(Qt::Key_Return) << "Juego";
    QTest::newRow("Alt, Right, keypad Intro opens Juego") << alt << K(Qt::Key_Enter) << "Juego";
    QTest::newRow("Alt, Right, Space opens Juego") << alt << K(Qt::Key_Space) << "Juego";
    QTest::newRow("Alt, Right, M") << alt << K(Qt::Key_M) << "";
    QTest::newRow("Alt, Right, H") << alt << K(Qt::Key_H) << "";
    QTest::newRow("Juego clicked open, Space") << clic << K(Qt::Key_Space) << "Juego";
    QTest::newRow("Juego clicked open, M") << clic << K(Qt::Key_M) << "Juego";
    QTest::newRow("Juego clicked open, H") << clic << K(Qt::Key_H) << "Juego";
    QTest::newRow("Juego clicked open, Esc, Intro opens it again")
        << cerrado << K(Qt::Key_Return) << "Juego";
    QTest::newRow("Juego clicked open, Esc, M") << cerrado << K(Qt::Key_M) << "";
}

// Seen: with the hint's move marked, a player who opened "Juego" and shut it
// with Esc, or pressed Alt and moved to it, pressed Intro to open it: the CPU's
// pile was taken ("Te llevas el montón de la CPU…") and the menu stayed shut.
void TstBoardMenus::keysMeantForTheMenusPlayNothing()
{
    QFETCH(int, inicio);
    QFETCH(int, clave);
    QFETCH(QString, abierto);

    BoardFixture f;
    QVERIFY(empezarConMarcas(f));
    const GameState antes = f.estado();
    QMenuBar &barra = *f.ventana().menuBar();
    if (inicio == int(Inicio::Alt)) {
        tecla(f.ventana(), Qt::Key_Alt);
        QCOMPARE(QApplication::focusWidget(), &barra);
        tecla(f.ventana(), Qt::Key_Right);
    } else {
        clicEnTitulo(barra, QStringLiteral("Juego"));
        QCOMPARE(QApplication::activePopupWidget(), menu(barra, QStringLiteral("Juego")));
        if (inicio == int(Inicio::ClicYEsc)) {
            tecla(f.ventana(), Qt::Key_Escape);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        }
    }
    tecla(f.ventana(), static_cast<Qt::Key>(clave));

    QWidget *abiertoAhora = QApplication::activePopupWidget();
    QCOMPARE(abiertoAhora, abierto.isEmpty() ? nullptr : menu(barra, abierto));
    QCOMPARE(Posicion::texto(f.estado()), Posicion::texto(antes));
    QCOMPARE(f.estado().player2Lev.count(), antes.player2Lev.count());
    if (abiertoAhora)
        static_cast<QMenu *>(abiertoAhora)->close();
}

void TstBoardMenus::clicksOnTheMenuBarPlayNothing()
{
    BoardFixture f;
    QVERIFY(empezarConMarcas(f));
    const GameState antes = f.estado();
    QMenuBar &barra = *f.ventana().menuBar();
    for (const QString &titulo :
         { QStringLiteral("Archivo"), QStringLiteral("Juego"), QStringLiteral("Ayuda") }) {
        clicEnTitulo(barra, titulo); // opens
        QCOMPARE(QApplication::activePopupWidget(), menu(barra, titulo));
        clicEnTitulo(barra, titulo); // and shuts
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }
    // Back on the board, the next key goes to it as before.
    QCOMPARE(Posicion::texto(f.estado()), Posicion::texto(antes));
}

// The filter is the menus' only: on the board Intro still plays the marked move.
void TstBoardMenus::boardKeysStillPlayOutsideTheMenus()
{
    BoardFixture f;
    QVERIFY(empezarConMarcas(f));
    const int antes = f.estado().player2Lev.count();
    f.tablero().cartap2img[0]->setFocus();
    tecla(f.ventana(), Qt::Key_Return);
    QVERIFY(f.estado().player2Lev.count() > antes);
}

QTEST_MAIN(TstBoardMenus)
#include "tst_board_menus.moc"
