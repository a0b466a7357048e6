// SPDX-License-Identifier: GPL-3.0-or-later

#include "mododeventana.h"

#include "ajustesjuego.h"
#include "anunciador.h"

#include <QAction>
#include <QMainWindow>

ModoDeVentana::ModoDeVentana(QMainWindow &ventana, AjustesJuego &ajustes, Anunciador &anunciador,
                             QAction &pantallaCompleta)
    : m_ventana(ventana)
    , m_ajustes(ajustes)
    , m_anunciador(anunciador)
    , m_accion(pantallaCompleta)
{
    QObject::connect(&m_accion, &QAction::triggered, &m_ventana,
                     [this](bool completa) { alternar(completa); });
}

// The geometry is put back before the window shows, so the start shows it once, in place.
void ModoDeVentana::mostrar()
{
    const QByteArray geometria = m_ajustes.geometria();
    Qt::WindowStates estado = Qt::WindowMaximized;
    if (!geometria.isEmpty() && m_ventana.restoreGeometry(geometria))
        estado = m_ventana.windowState() & ~Qt::WindowFullScreen;
    if (m_ajustes.pantallaCompleta())
        estado |= Qt::WindowFullScreen;
    m_accion.setChecked(estado.testFlag(Qt::WindowFullScreen));
    m_ventana.setWindowState(estado);
    m_ventana.show();
}

// A window never shown (a start that failed) keeps nothing: the next start is maximized.
void ModoDeVentana::guardar()
{
    if (!m_ventana.isVisible())
        return;
    m_ajustes.setGeometria(m_ventana.saveGeometry());
    m_ajustes.setPantallaCompleta(m_ventana.isFullScreen());
}

// Leaving full screen keeps the maximized or normal window it left.
void ModoDeVentana::alternar(bool completa)
{
    Qt::WindowStates estado = m_ventana.windowState();
    estado.setFlag(Qt::WindowFullScreen, completa);
    m_ventana.setWindowState(estado);
    m_ajustes.setPantallaCompleta(completa);
    // The menu has closed: what the toggle did is said.
    m_anunciador.avisar(completa ? tr("Ahora en pantalla completa") : tr("Ahora en una ventana"));
}
