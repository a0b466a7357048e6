// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

class AjustesJuego;
class Anunciador;
class QAction;
class QMainWindow;

// Full screen or a window, and where the window stood: both kept in the player's settings
// when the program ends, and given back at the next start. With nothing kept the window
// starts maximized.
class ModoDeVentana
{
    Q_DECLARE_TR_FUNCTIONS(ModoDeVentana)

public:
    // The checkable action switches the mode and says which one took over.
    ModoDeVentana(QMainWindow &ventana, AjustesJuego &ajustes, Anunciador &anunciador,
                  QAction &pantallaCompleta);

    // Shows the window, hidden until now, as it was left.
    void mostrar();
    // Keeps the mode and the place of a window that was shown.
    void guardar();

private:
    void alternar(bool completa);

    QMainWindow &m_ventana;
    AjustesJuego &m_ajustes;
    Anunciador &m_anunciador;
    QAction &m_accion;
};
