// SPDX-License-Identifier: GPL-3.0-or-later

#include "ventanasdeljuego.h"

#include "aboutfrm.h"
#include "aspectoenmesa.h"
#include "estadisticasfrm.h"
#include "estimadorvictoria.h"
#include "helpwindow.h"
#include "preferenciasfrm.h"
#include "revisionfrm.h"
#include "zelbogame.h"

#include <QApplication>

VentanasDelJuego::VentanasDelJuego(const QString &programDir, ZelboGame &juego,
                                   AjustesJuego &ajustes, DialogService &dialogos, QWidget &ventana)
    : m_programDir(programDir)
    , m_juego(juego)
    , m_ajustes(ajustes)
    , m_dialogos(dialogos)
    , m_ventana(ventana)
{
}

void VentanasDelJuego::abrirAyuda()
{
    if (!m_juego.esperaAlJugador() && !m_juego.esperaEnElFinal())
        return;
    if (!m_ayuda)
        m_ayuda = new HelpWindow(m_programDir, &m_ventana);
    m_ayuda->mostrar();
}

void VentanasDelJuego::abrirOpciones()
{
    if (!m_juego.esperaAlJugador())
        return;
    const QString datos = m_programDir;
    preferenciasfrm opciones(
        m_juego, m_ajustes, m_dialogos, &m_ventana,
        { [datos](EstiloCaras estilo) { return AspectoEnMesa::muestraDeCara(datos, estilo); },
          [datos](ReversoIncluido reverso) {
              return AspectoEnMesa::muestraDeReverso(datos, reverso);
          } });
    opciones.exec();
}

void VentanasDelJuego::abrirEstadisticas()
{
    KeptGameKeeper *conservada = m_juego.conservada();
    if ((!m_juego.esperaAlJugador() && !m_juego.esperaEnElFinal()) || !conservada)
        return;
    EstadisticasFrm ventana(conservada->estadisticas(), conservada->archivoEstadisticas(),
                            m_dialogos, &m_ventana);
    ventana.exec();
}

void VentanasDelJuego::abrirRevision(QWidget *sobre)
{
    const std::span<const JugadaAnotada> jugadas = m_juego.jugadasDeLaPartida().jugadas();
    auto *revision = new RevisionFrm({ jugadas.begin(), jugadas.end() },
                                     EstimadorVictoria::kMuestras, m_juego.nivelCpu(), sobre);
    revision->setAttribute(Qt::WA_DeleteOnClose);
    revision->setWindowModality(Qt::WindowModal);
    revision->open();
}

void VentanasDelJuego::abrirAcercaDe()
{
    Aboutfrm::mostrar(m_programDir, &m_ventana);
}

MenusVentana::Ordenes
VentanasDelJuego::ordenes(std::function<void(MenusVentana::OrdenDelJuego)> juego,
                          std::function<void(const QString &)> barra)
{
    MenusVentana::Ordenes ordenes;
    ordenes.juego = std::move(juego);
    ordenes.barra = std::move(barra);
    ordenes.opciones = [this] { abrirOpciones(); };
    ordenes.ayuda = [this] { abrirAyuda(); };
    ordenes.acercaDe = [this] { abrirAcercaDe(); };
    ordenes.estadisticas = [this] { abrirEstadisticas(); };
    ordenes.revisar = [this] { abrirRevision(&m_ventana); };
    return ordenes;
}

void VentanasDelJuego::traerAlFrente()
{
    m_ventana.setWindowState(m_ventana.windowState() & ~Qt::WindowMinimized);
    QWidget *frente = QApplication::activeModalWidget();
    if (!frente)
        frente = &m_ventana;
    frente->raise();
    frente->activateWindow();
}

void VentanasDelJuego::cerrarAyuda()
{
    if (m_ayuda)
        m_ayuda->close();
}
