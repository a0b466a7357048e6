// SPDX-License-Identifier: GPL-3.0-or-later

#include "menusventana.h"

#include "alttardio.h"
#include "focoenmenus.h"
#include "tecladotablero.h"
#include "teclasdemenu.h"
#include "zelbofrm.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <utility>

MenusVentana::MenusVentana(QMainWindow &ventana, Ordenes ordenes)
    : m_ventana(ventana)
    , m_ordenes(std::move(ordenes))
{
}

QAction *MenusVentana::accion(const QString &texto, const QList<QKeySequence> &atajos,
                              const std::function<void()> &alElegir)
{
    auto *a = new QAction(texto, &m_ventana);
    a->setShortcuts(atajos);
    QObject::connect(a, &QAction::triggered, &m_ventana, alElegir);
    return a;
}

// The desktop's keys for a standard command, and the one this game always had
// where the desktop names another or none.
QList<QKeySequence> MenusVentana::estandar(QKeySequence::StandardKey orden,
                                           const QKeySequence &propia)
{
    QList<QKeySequence> atajos = QKeySequence::keyBindings(orden);
    if (!propia.isEmpty() && !atajos.contains(propia))
        atajos.append(propia);
    return atajos;
}

std::function<void()> MenusVentana::delJuego(OrdenDelJuego orden) const
{
    return [juego = m_ordenes.juego, orden] { juego(orden); };
}

void MenusVentana::crearMenus(TecladoTablero &teclado, QAction &historial)
{
    crearMenuArchivo();
    crearMenuJuego(teclado, historial);
    crearMenuVer();
    crearMenuAyuda();
    QMenuBar *barra = m_ventana.menuBar();
    auto *teclas = new TeclasDeMenu(barra);
    barra->installEventFilter(teclas);
    for (QMenu *menu : barra->findChildren<QMenu *>())
        menu->installEventFilter(teclas);
    for (QAction *enLaBarra : barra->actions()) {
        // An open menu is named to a screen reader by its window title, which a menu of the
        // bar leaves empty: the accessibility tree held menus without a name. A name of its
        // own, not its item's in the bar, which Orca would then skip as mere layout.
        const QString titulo = QString(enLaBarra->text()).remove(QLatin1Char('&'));
        enLaBarra->menu()->setAccessibleName(tr("Menú %1").arg(titulo));
    }
    new FocoEnMenus(*barra);
    new AltTardio(*barra);
    // F10 opens the first menu, as on the desktops.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), &m_ventana);
    QObject::connect(f10, &QShortcut::activated, barra,
                     [barra] { barra->setActiveAction(barra->actions().value(0)); });
}

void MenusVentana::crearMenuArchivo()
{
    QMenu *archivo = m_ventana.menuBar()->addMenu(tr("&Archivo"));
    archivo->addAction(
        accion(tr("&Nuevo"), estandar(QKeySequence::New), delJuego(&ZelboFrm::nuevomnu_Click)));
    archivo->addAction(
        accion(tr("&Abrir"), estandar(QKeySequence::Open), delJuego(&ZelboFrm::abrirmnu_Click)));
    archivo->addAction(accion(tr("&Guardar"), estandar(QKeySequence::Save),
                              delJuego(&ZelboFrm::guardarmnu_Click)));
    archivo->addSeparator();
    archivo->addAction(
        accion(tr("&Opciones"),
               estandar(QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma)),
               m_ordenes.opciones));
    archivo->addAction(accion(tr("Nombre &Jugador"), { QKeySequence(Qt::Key_F2) },
                              delJuego(&ZelboFrm::nombremnu_Click)));
    archivo->addSeparator();
    archivo->addAction(accion(tr("&Salir"),
                              estandar(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)),
                              delJuego(&ZelboFrm::salirmnu_Click)));
}

void MenusVentana::crearMenuAyuda()
{
    QMenu *ayuda = m_ventana.menuBar()->addMenu(tr("A&yuda"));
    ayuda->addAction(accion(tr("&Contenidos"),
                            estandar(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)),
                            m_ordenes.ayuda));
    ayuda->addAction(accion(tr("&Acerca de ..."), {}, m_ordenes.acercaDe));
}

// Each button is told to the window by its key.
QList<QAction *> MenusVentana::crearBarra(const QString &carpetaIconos)
{
    QList<QAction *> barra;
    const auto boton = [this, &barra, &carpetaIconos](const QString &texto, const QString &clave,
                                                      const QString &ayuda) {
        QAction *a = accion(texto, {}, [this, clave] { m_ordenes.barra(clave); });
        a->setIcon(QIcon(carpetaIconos + QStringLiteral("/%1.svg").arg(clave)));
        a->setToolTip(ayuda);
        a->setObjectName(clave);
        barra.append(a);
        return a;
    };
    boton(tr("Nuevo"), QStringLiteral("nuevo"), tr("Empezar un juego nuevo"));
    m_correr = boton(tr("Run"), QStringLiteral("run"), tr("Correr una aplicacion"));
    boton(tr("Salir"), QStringLiteral("salir"), tr("Salir de la aplicacion"));
    return barra;
}

void MenusVentana::crearMenuJuego(TecladoTablero &teclado, QAction &historial)
{
    QMenu *juego = m_ventana.menuBar()->addMenu(tr("&Juego"));
    const auto orden = [this, juego, &teclado](const QString &texto, QList<QKeySequence> teclas,
                                               void (TecladoTablero::*hacer)()) {
        auto *a = new QAction(texto, &m_ventana);
        a->setShortcuts(teclas);
        QObject::connect(a, &QAction::triggered, &teclado, hacer);
        juego->addAction(a);
    };
    orden(tr("&Pista"), { Qt::Key_H }, &TecladoTablero::darPista);
    orden(tr("&Jugar lo marcado"), { Qt::Key_Return, Qt::Key_Enter }, &TecladoTablero::intro);
    orden(tr("P&oner en tu montón"), { Qt::Key_M }, &TecladoTablero::alMonton);
    orden(tr("Marcar la &carta enfocada"), { Qt::Key_Space }, &TecladoTablero::espacio);
    crearMenuLectura(*juego, teclado.lectura());
    crearMenuPartida(*juego, historial);
}

// The keys that say the board, one part each: plain letters, which Orca leaves to the
// program (its own keys take Insert or the keypad).
void MenusVentana::crearMenuLectura(QMenu &juego, LecturaDelJuego &lectura)
{
    const auto orden = [this, &juego, &lectura](const QString &texto, Qt::Key tecla,
                                                void (LecturaDelJuego::*decir)()) {
        juego.addAction(accion(texto, { tecla }, [&lectura, decir] { (lectura.*decir)(); }));
    };
    juego.addSeparator();
    orden(tr("&Leer la mesa"), Qt::Key_T, &LecturaDelJuego::mesa);
    orden(tr("Leer t&u mano"), Qt::Key_Y, &LecturaDelJuego::mano);
    orden(tr("Leer mo&ntones y puntos"), Qt::Key_P, &LecturaDelJuego::montones);
    orden(tr("Leer &quién juega y la ronda"), Qt::Key_S, &LecturaDelJuego::turno);
}

void MenusVentana::crearMenuPartida(QMenu &juego, QAction &historial)
{
    const auto orden = [this, &juego](const QString &texto, const QList<QKeySequence> &teclas,
                                      OrdenDelJuego hacer) {
        QAction *a = accion(texto, teclas, delJuego(hacer));
        juego.addAction(a);
        return a;
    };
    juego.addSeparator();
    m_deshacer
        = orden(tr("&Deshacer"), estandar(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)),
                &ZelboFrm::deshacermnu_Click);
    m_rehacer = orden(tr("&Rehacer"),
                      estandar(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)),
                      &ZelboFrm::rehacermnu_Click);
    orden(tr("&Elegir partida…"), { QKeySequence(Qt::CTRL | Qt::Key_P) },
          &ZelboFrm::elegirpartidamnu_Click);
    juego.addSeparator();
    // Its letter here; H and M are the board's own keys, so no item of this menu takes them.
    historial.setText(tr("H&istorial"));
    juego.addAction(&historial);
    m_mesaModerna = new QAction(tr("Mes&a moderna"), &m_ventana);
    m_mesaModerna->setCheckable(true);
    juego.addAction(m_mesaModerna);
    juego.addAction(accion(tr("E&stadísticas…"), { QKeySequence(Qt::CTRL | Qt::Key_E) },
                           m_ordenes.estadisticas));
    juego.addAction(accion(tr("Re&visar la partida…"), { QKeySequence(Qt::CTRL | Qt::Key_R) },
                           m_ordenes.revisar));
    m_demostracion = accion(tr("Demos&tración"), { QKeySequence(Qt::CTRL | Qt::Key_D) },
                            m_ordenes.demostracion);
    juego.addAction(m_demostracion);
}

// How the game is seen and heard: two switches.
void MenusVentana::crearMenuVer()
{
    QMenu *ver = m_ventana.menuBar()->addMenu(tr("&Ver"));
    const auto interruptor = [this, ver](const QString &texto, const QList<QKeySequence> &teclas) {
        auto *a = new QAction(texto, &m_ventana);
        a->setCheckable(true);
        a->setShortcuts(teclas);
        ver->addAction(a);
        return a;
    };
    m_sonido = interruptor(tr("&Sonidos del juego"), { QKeySequence(Qt::CTRL | Qt::Key_M) });
    m_pantallaCompleta = interruptor(tr("&Pantalla completa"),
                                     estandar(QKeySequence::FullScreen, QKeySequence(Qt::Key_F11)));
}
