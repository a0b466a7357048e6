// SPDX-License-Identifier: GPL-3.0-or-later

#include "findemanoenventana.h"

#include "anunciador.h"
#include "mesa.h"
#include "ventanasdeljuego.h"
#include "winnerdialogfrm.h"
#include "zelboerror.h"

FinDeManoEnVentana::FinDeManoEnVentana(const QString &programDir, Anunciador &anunciador,
                                       VentanasDelJuego &ventanas, QWidget &ventana)
    : m_programDir(programDir)
    , m_anunciador(anunciador)
    , m_ventanas(ventanas)
    , m_ventana(ventana)
{
}

void FinDeManoEnVentana::comprobar() const
{
    if (!WinnerDialogFrm::puedeCargar(m_programDir))
        throw ZelboError(
            tr("No se puede cargar la imagen %1").arg(WinnerDialogFrm::rutaFondo(m_programDir)));
}

// The first scores after a hand are that hand's: the box that told it is closed.
void FinDeManoEnVentana::puntajes(int cpu, int humano, const QString &nombreHumano)
{
    if (m_manoPorDecir) {
        m_anunciador.finDeMano(*m_manoPorDecir, nombreHumano, cpu, humano);
        m_manoPorDecir.reset();
    }
}

void FinDeManoEnVentana::ventanaDeResultados(const QString &nombre, int num1, int num2,
                                             ResultadoDeMano::Ganador ganador,
                                             std::function<void()> alCerrar)
{
    // Orca reads the window's description, the winner and both scores, as it opens.
    auto *resultados = new WinnerDialogFrm(m_programDir, &m_ventana);
    QObject::connect(resultados, &WinnerDialogFrm::revisarPedido, &m_ventana,
                     [this, resultados] { m_ventanas.abrirRevision(resultados); });
    QObject::connect(resultados, &QDialog::finished, &m_ventana,
                     [resultados, alCerrar = std::move(alCerrar)] {
                         resultados->deleteLater();
                         alCerrar();
                     });
    resultados->Dialogo(nombre, num1, num2, ganador);
}

void FinDeManoEnVentana::conectar(Mesa &mesa)
{
    QObject::connect(&mesa, &Mesa::revisarPedido, &m_ventana,
                     [this] { m_ventanas.abrirRevision(&m_ventana); });
}

void FinDeManoEnVentana::resumenEnMesa(InterfazMesa &mesa, const ResumenDeMano &resumen,
                                       const QString &nombreHumano, std::function<void()> alCerrar)
{
    m_manoPorDecir.reset();
    const QString palabras = Anunciador::palabrasFinDeMano(resumen.resultado, nombreHumano,
                                                           resumen.puntosCpu, resumen.puntosHumano);
    // The summary takes the focus, which reads the CPU's last move and then the hand's end.
    mesa.mostrarResumen(resumen, m_anunciador.conPendiente(palabras), std::move(alCerrar));
}

void FinDeManoEnVentana::resultadosEnMesa(InterfazMesa &mesa, const QString &nombre, int num1,
                                          int num2, ResultadoDeMano::Ganador ganador,
                                          std::function<void(bool otraPartida)> alResponder)
{
    m_anunciador.avisar(mesa.mostrarResultados(nombre, num1, num2, ganador, std::move(alResponder)));
}
