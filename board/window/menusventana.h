// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class LecturaDelJuego;
class QAction;
class QMainWindow;
class QMenu;
class TecladoTablero;
class ZelboFrm;

// The main window's menus and toolbar. Every action is owned by the window, so
// the window's input filter silences them all while the CPU plays.
class MenusVentana
{
    Q_DECLARE_TR_FUNCTIONS(MenusVentana)

public:
    // An event handler of the window.
    using OrdenDelJuego = void (ZelboFrm::*)();

    // What the actions do, handed in by the window.
    struct Ordenes
    {
        std::function<void(OrdenDelJuego)> juego;
        // The toolbar's buttons, by their keys.
        std::function<void(const QString &)> barra;
        std::function<void()> opciones;
        std::function<void()> ayuda;
        std::function<void()> acercaDe;
        std::function<void()> estadisticas;
        std::function<void()> revisar;
        std::function<void()> demostracion;
    };

    MenusVentana(QMainWindow &ventana, Ordenes ordenes);

    // The menu bar; "Juego" holds the keyboard commands, the keys that say the board and
    // the history dock's action.
    void crearMenus(TecladoTablero &teclado, QAction &historial);
    // The toolbar's commands; their keys name their icons under carpetaIconos.
    QList<QAction *> crearBarra(const QString &carpetaIconos);

    QAction *deshacer() const { return m_deshacer; }
    QAction *rehacer() const { return m_rehacer; }
    // Checkable: the modern table or the classic one.
    QAction *mesaModerna() const { return m_mesaModerna; }
    // Checkable: the board's sounds on or off, and the window filling the screen.
    QAction *sonido() const { return m_sonido; }
    QAction *pantallaCompleta() const { return m_pantallaCompleta; }
    // The toolbar's "Run", which starts the program set in Opciones.
    QAction *correr() const { return m_correr; }
    // "Demostración": starts a demonstration, or stops it.
    QAction *demostracion() const { return m_demostracion; }

private:
    QAction *accion(const QString &texto, const QList<QKeySequence> &atajos,
                    const std::function<void()> &alElegir);
    static QList<QKeySequence> estandar(QKeySequence::StandardKey orden,
                                        const QKeySequence &propia = {});
    std::function<void()> delJuego(OrdenDelJuego orden) const;
    void crearMenuArchivo();
    void crearMenuJuego(TecladoTablero &teclado, QAction &historial);
    void crearMenuLectura(QMenu &juego, LecturaDelJuego &lectura);
    void crearMenuPartida(QMenu &juego, QAction &historial);
    void crearMenuVer();
    void crearMenuAyuda();

    QMainWindow &m_ventana;
    Ordenes m_ordenes;
    QAction *m_deshacer = nullptr;
    QAction *m_rehacer = nullptr;
    QAction *m_mesaModerna = nullptr;
    QAction *m_sonido = nullptr;
    QAction *m_pantallaCompleta = nullptr;
    QAction *m_correr = nullptr;
    QAction *m_demostracion = nullptr;
};
