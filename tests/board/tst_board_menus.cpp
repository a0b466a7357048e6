// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardfixture.h"
#include "cardpicture.h"
#include "disposicionclasica.h"
#include "markbox.h"
#include "programadepruebas.h"

#include "preferenciasfrm.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Naipes;

namespace {

// The human holds copas(1), of the suit of the CPU's pile: with both marked,
// Intro takes the pile.
Posicion posicion()
{
    return Posicion::montonDeLaCpuAlAlcance();
}

QMenu *menu(QMenuBar &barra, const QString &titulo)
{
    for (QAction *accion : barra.actions()) {
        if (QString(accion->text()).remove(QLatin1Char('&')) == titulo)
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
void tecla(QWidget &ventana, Qt::Key clave, Qt::KeyboardModifiers modificadores = {})
{
    QWidget *destino = QApplication::activePopupWidget();
    if (!destino)
        destino = QApplication::focusWidget();
    QTest::keyClick(destino ? destino : &ventana, clave, modificadores);
}

// The letter after the '&' of a caption, lower case; a null char if none.
QChar letra(const QString &texto)
{
    const qsizetype i = texto.indexOf(QLatin1Char('&'));
    return i < 0 || i + 1 >= texto.size() ? QChar() : texto.at(i + 1).toLower();
}

Qt::Key claveDe(QChar c)
{
    return static_cast<Qt::Key>(Qt::Key_A + (c.unicode() - u'a'));
}

QList<QAction *> items(QMenu &m)
{
    QList<QAction *> lista;
    for (QAction *a : m.actions()) {
        if (!a->isSeparator())
            lista.append(a);
    }
    return lista;
}

bool mostrar(BoardFixture &f)
{
    f.ventana().show();
    f.ventana().activateWindow();
    return QTest::qWaitForWindowActive(&f.ventana());
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
    void everyMenuAndItemHasALetterOfItsOwn();
    void everyMenuOpensByAltAndItsLetter();
    void aScreenReadersLateAltLeavesTheMenuOpen_data();
    void aScreenReadersLateAltLeavesTheMenuOpen();
    void f10OpensTheFirstMenu();
    void everyItemGivesAScreenReaderItsShortcut();
    void aScreenReaderHearsEachMenusNameAndEachSwitchsState();
    void everyItemIsChosenByItsLetter();
    void menuKeysPlayNothing_data();
    void menuKeysPlayNothing();
    void optionsAndPlayerNameOpenByTheirKeys();
    void standardCommandsKeepTheirOldKeys();
    void fullScreenTogglesAndIsKept();

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
    DisposicionClasica &t = f.clasica();
    QTest::mouseClick(t.Checkp2()[1], Qt::LeftButton);
    QTest::mouseClick(t.montonimg()[0], Qt::LeftButton);
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
    f.clasica().cartap2img()[0]->setFocus();
    tecla(f.ventana(), Qt::Key_Return);
    QVERIFY(f.estado().player2Lev.count() > antes);
}

// A repeated letter only moves between its items; a missing one leaves an item
// out of reach. Checked in Spanish here and in English by the i18n tests.
void TstBoardMenus::everyMenuAndItemHasALetterOfItsOwn()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QList<QList<QAction *>> grupos { f.ventana().menuBar()->actions() };
    for (QAction *m : f.ventana().menuBar()->actions())
        grupos.append(items(*m->menu()));
    for (const QList<QAction *> &grupo : grupos) {
        QSet<QChar> vistas;
        for (QAction *a : grupo) {
            const QChar c = letra(a->text());
            QVERIFY2(c.isLetter(), qPrintable(a->text()));
            QVERIFY2(!vistas.contains(c), qPrintable(a->text()));
            vistas.insert(c);
        }
    }
}

void TstBoardMenus::everyMenuOpensByAltAndItsLetter()
{
    BoardFixture f;
    QVERIFY(f.iniciar() && mostrar(f));
    f.clasica().cartap2img()[0]->setFocus();
    for (QAction *m : f.ventana().menuBar()->actions()) {
        tecla(f.ventana(), claveDe(letra(m->text())), Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), m->menu());
        // The first item is highlighted, so Intro chooses it at once.
        QCOMPARE(m->menu()->activeAction(), m->menu()->actions().value(0));
        tecla(f.ventana(), Qt::Key_Escape);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        tecla(f.ventana(), Qt::Key_Escape); // the menu bar lets the keyboard go
    }
}

// Under a screen reader the Alt of Alt+J reaches the window after J's shortcut has opened
// the menu; that Alt leaves the menu open, and the next one closes it.
void TstBoardMenus::aScreenReadersLateAltLeavesTheMenuOpen_data()
{
    QTest::addColumn<bool>("altAntes");
    QTest::newRow("the Alt comes late") << false;
    QTest::newRow("the Alt comes first") << true;
}

void TstBoardMenus::aScreenReadersLateAltLeavesTheMenuOpen()
{
    QFETCH(bool, altAntes);
    BoardFixture f;
    QVERIFY(f.iniciar() && mostrar(f));
    CardPicture *carta = f.clasica().cartap2img()[0];
    carta->setFocus();
    // Single key events: QTest's key functions send each modifier's own key first.
    const auto alt = [](QWidget *destino) {
        QTest::simulateEvent(destino, true, Qt::Key_Alt, Qt::AltModifier, QString(), false);
    };
    if (altAntes)
        alt(carta);
    QTest::simulateEvent(carta, true, Qt::Key_J, Qt::AltModifier, QStringLiteral("j"), false);
    QMenu *juego = menu(*f.ventana().menuBar(), "Juego");
    QCOMPARE(QApplication::activePopupWidget(), juego);
    if (!altAntes) {
        alt(juego);
        QCOMPARE(QApplication::activePopupWidget(), juego);
    }
    alt(juego);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TstBoardMenus::f10OpensTheFirstMenu()
{
    BoardFixture f;
    QVERIFY(f.iniciar() && mostrar(f));
    CardPicture *carta = f.clasica().cartap2img()[0];
    carta->setFocus();
    QMenuBar &barra = *f.ventana().menuBar();
    tecla(f.ventana(), Qt::Key_F10);
    QCOMPARE(QApplication::activePopupWidget(), menu(barra, "Archivo"));
    // Right walks on to the next menu, as on any menu bar, and a screen reader hears the
    // menu by its name; the card waits meanwhile, so that no window activated on the way
    // hands the focus back to it.
    tecla(f.ventana(), Qt::Key_Right);
    QMenu *juego = menu(barra, "Juego");
    QCOMPARE(QApplication::activePopupWidget(), juego);
    QCOMPARE(QAccessible::queryAccessibleInterface(juego)->text(QAccessible::Name),
             QStringLiteral("Menú Juego"));
    QCOMPARE(f.ventana().focusWidget(), &barra);
    tecla(f.ventana(), Qt::Key_Escape);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QTRY_COMPARE(f.ventana().focusWidget(), carta);
}

// A screen reader finds an item's shortcut in the third part of its keys
// ("letter;;shortcut"), and says it after the item's name.
void TstBoardMenus::everyItemGivesAScreenReaderItsShortcut()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    int conAtajo = 0;
    for (QMenu *m : f.ventana().menuBar()->findChildren<QMenu *>()) {
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(m);
        for (int i = 0; i < menu->childCount(); ++i) {
            QAccessibleInterface *item = menu->child(i);
            auto *accion = qobject_cast<QAction *>(item->object());
            QVERIFY(accion);
            if (accion->isSeparator())
                continue;
            QCOMPARE(item->text(QAccessible::Name), QString(accion->text()).remove(u'&'));
            QAccessibleActionInterface *acciones = item->actionInterface();
            QVERIFY(acciones);
            const QStringList teclas
                = acciones->keyBindingsForAction(acciones->actionNames().value(0));
            QCOMPARE(teclas.size(), 3);
            QCOMPARE(teclas.at(2), accion->shortcut().toString(QKeySequence::NativeText));
            conAtajo += !accion->shortcut().isEmpty();
        }
    }
    QVERIFY(conAtajo >= 10);
}

// Orca says the name of the menu it enters ("Menú Juego, Pista H") only for a parent it does
// not take for layout, of a role it names as context; and it says a switch's state, on or
// off, only of a check box. The tree stays whole: each menu under its item of the bar.
void TstBoardMenus::aScreenReaderHearsEachMenusNameAndEachSwitchsState()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    int interruptores = 0;
    for (QAction *enLaBarra : f.ventana().menuBar()->actions()) {
        QMenu *m = enLaBarra->menu();
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(m);
        QCOMPARE(menu->role(), QAccessible::LayeredPane);
        QCOMPARE(menu->text(QAccessible::Name),
                 QStringLiteral("Menú ") + QString(m->title()).remove(u'&'));
        QCOMPARE(menu->parent()->object(), enLaBarra);
        QCOMPARE(menu->parent()->child(0), menu);
        for (int i = 0; i < menu->childCount(); ++i) {
            QAccessibleInterface *item = menu->child(i);
            QCOMPARE(item->parent(), menu);
            QCOMPARE(menu->indexOfChild(item), i);
            auto *accion = qobject_cast<QAction *>(item->object());
            if (!accion->isCheckable())
                continue;
            ++interruptores;
            QCOMPARE(item->role(), QAccessible::CheckBox);
            QCOMPARE(item->state().checked, accion->isChecked());
        }
    }
    // Historial, Mesa moderna, Sonidos del juego, Pantalla completa.
    QCOMPARE(interruptores, 4);
}

// Each item, its menu opened by Alt and the menu's letter, answers to its own
// letter. What the item then does is the window's, tested elsewhere: here only
// that the keys reach it.
void TstBoardMenus::everyItemIsChosenByItsLetter()
{
    BoardFixture f;
    QVERIFY(f.iniciar() && mostrar(f));
    for (QAction *m : f.ventana().menuBar()->actions()) {
        for (QAction *a : items(*m->menu())) {
            QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
            a->setEnabled(true); // Deshacer and Rehacer wait for a move
            QSignalSpy elegida(a, &QAction::triggered);
            f.clasica().cartap2img()[0]->setFocus();
            tecla(f.ventana(), claveDe(letra(m->text())), Qt::AltModifier);
            QCOMPARE(QApplication::activePopupWidget(), m->menu());
            tecla(f.ventana(), claveDe(letra(a->text())));
            QVERIFY2(elegida.count() == 1, qPrintable(a->text()));
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        }
    }
}

void TstBoardMenus::menuKeysPlayNothing_data()
{
    QTest::addColumn<QList<int>>("claves"); // Alt+letter is the letter with AltModifier
    using K = int;
    const K alt = K(Qt::AltModifier);
    QTest::newRow("Alt+J") << QList<K> { alt | Qt::Key_J };
    QTest::newRow("Alt+J, Esc, Intro")
        << QList<K> { alt | Qt::Key_J, Qt::Key_Escape, Qt::Key_Return };
    QTest::newRow("Alt+J, Down, Up, Esc, Esc, Space")
        << QList<K> { alt | Qt::Key_J, Qt::Key_Down, Qt::Key_Up, Qt::Key_Escape, Qt::Key_Escape };
    QTest::newRow("F10") << QList<K> { Qt::Key_F10 };
    QTest::newRow("F10, M, H") << QList<K> { Qt::Key_F10, Qt::Key_M, Qt::Key_H };
    QTest::newRow("F10, Esc, Space") << QList<K> { Qt::Key_F10, Qt::Key_Escape, Qt::Key_Space };
    QTest::newRow("F10, Esc, Intro") << QList<K> { Qt::Key_F10, Qt::Key_Escape, Qt::Key_Return };
    QTest::newRow("Alt+Y, M, H, Esc") << QList<K> { alt | Qt::Key_Y, Qt::Key_M, Qt::Key_H };
    QTest::newRow("Alt+A, M, H") << QList<K> { alt | Qt::Key_A, Qt::Key_M, Qt::Key_H };
    QTest::newRow("Alt+J, Left, M, H")
        << QList<K> { alt | Qt::Key_J, Qt::Key_Left, Qt::Key_M, Qt::Key_H };
}

// With the marked move ready, keys that open or walk the menus play nothing.
void TstBoardMenus::menuKeysPlayNothing()
{
    QFETCH(QList<int>, claves);
    BoardFixture f;
    QVERIFY(empezarConMarcas(f));
    f.clasica().cartap2img()[0]->setFocus();
    const GameState antes = f.estado();
    for (const int clave : claves) {
        tecla(f.ventana(), static_cast<Qt::Key>(clave & ~Qt::KeyboardModifierMask),
              Qt::KeyboardModifiers(clave & Qt::KeyboardModifierMask));
    }
    QCOMPARE(Posicion::texto(f.estado()), Posicion::texto(antes));
    QCOMPARE(f.estado().player2Lev.count(), antes.player2Lev.count());
    QCOMPARE(f.estado().marcas.Checkp2[1], true);
    if (QWidget *abierto = QApplication::activePopupWidget())
        abierto->close();
}

void TstBoardMenus::optionsAndPlayerNameOpenByTheirKeys()
{
    BoardFixture f;
    QVERIFY(f.iniciar() && mostrar(f));
    f.clasica().cartap2img()[0]->setFocus();
    QString abierta;
    QTimer::singleShot(0, [&abierta] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && qobject_cast<preferenciasfrm *>(modal))
            abierta = QStringLiteral("preferenciasfrm");
        if (modal)
            modal->close();
    });
    tecla(f.ventana(), Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(abierta, QStringLiteral("preferenciasfrm"));

    f.dialogos().responderTexto(QStringLiteral("Lucía"));
    QVERIFY(mostrar(f));
    f.clasica().cartap2img()[0]->setFocus();
    tecla(f.ventana(), Qt::Key_F2);
    QCOMPARE(f.dialogos().preguntas().size(), 1);
    QCOMPARE(f.clasica().Label2()->text(), QStringLiteral("Lucía"));
}

// The desktop's keys come first; the keys the game always had still work.
void TstBoardMenus::standardCommandsKeepTheirOldKeys()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QHash<QString, QList<QKeySequence>> teclas;
    for (QAction *m : f.ventana().menuBar()->actions()) {
        for (QAction *a : items(*m->menu()))
            teclas.insert(QString(a->text()).remove(QLatin1Char('&')), a->shortcuts());
    }
    const QList<std::tuple<QString, QKeySequence::StandardKey, QKeySequence>> estandar {
        { QStringLiteral("Salir"), QKeySequence::Quit, QKeySequence(QStringLiteral("Ctrl+Q")) },
        { QStringLiteral("Deshacer"), QKeySequence::Undo, QKeySequence(QStringLiteral("Ctrl+Z")) },
        { QStringLiteral("Rehacer"), QKeySequence::Redo,
          QKeySequence(QStringLiteral("Ctrl+Shift+Z")) },
        { QStringLiteral("Contenidos"), QKeySequence::HelpContents,
          QKeySequence(QStringLiteral("F1")) },
        { QStringLiteral("Opciones"), QKeySequence::Preferences,
          QKeySequence(QStringLiteral("Ctrl+,")) },
    };
    for (const auto &[texto, clave, propia] : estandar) {
        const QList<QKeySequence> &suyas = teclas.value(texto);
        for (const QKeySequence &s : QKeySequence::keyBindings(clave))
            QVERIFY2(suyas.contains(s), qPrintable(texto + QLatin1Char(' ') + s.toString()));
        QVERIFY2(suyas.contains(propia), qPrintable(texto));
    }
    // No key is claimed twice in the whole window.
    QSet<QKeySequence> todas;
    for (const QList<QKeySequence> &suyas : std::as_const(teclas)) {
        for (const QKeySequence &s : suyas) {
            QVERIFY2(!todas.contains(s), qPrintable(s.toString()));
            todas.insert(s);
        }
    }
}

// F11's item fills the screen and gives the maximized window back; the next start opens as the
// last one closed.
void TstBoardMenus::fullScreenTogglesAndIsKept()
{
    BoardFixture f;
    QVERIFY(f.iniciar());
    QVERIFY(f.ventana().isMaximized());
    QAction *completa = nullptr;
    for (QAction *a : f.ventana().findChildren<QAction *>())
        if (a->text() == QStringLiteral("&Pantalla completa"))
            completa = a;
    QVERIFY(completa && completa->shortcuts().contains(QKeySequence(Qt::Key_F11)));
    completa->trigger();
    QVERIFY(f.ventana().isFullScreen());
    completa->trigger();
    QVERIFY(!f.ventana().isFullScreen() && f.ventana().isMaximized());
    QVERIFY(!f.ajustes().pantallaCompleta());
    completa->trigger();
    f.ventana().juego().ordenar(OrdenDelJuego::Cerrar);
    QVERIFY(f.ventana().terminado());

    FakeDialogs dialogos;
    MersenneRandom azar(1);
    FakePausa pausa;
    const std::unique_ptr<ZelboFrm> otra = f.otraVentana(dialogos, azar, pausa);
    QVERIFY(otra->Form_Load());
    QVERIFY(otra->isFullScreen());
}

ZELBO_TEST_MAIN(TstBoardMenus)
#include "tst_board_menus.moc"
