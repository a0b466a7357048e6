// SPDX-License-Identifier: GPL-3.0-or-later

#include "ayudastablero.h"

#include "ajustesjuego.h"
#include "anunciador.h"
#include "barraprobabilidad.h"
#include "notatutor.h"
#include "tutorenhilo.h"
#include "zelbogame.h"

#include <QStatusBar>

namespace {

// How long the CPU's reply waits after the tutor's note: the board settles and the note
// is spoken, with as long again for the screen reader to take it in before the reply's
// beats change the board; the note is up meanwhile, for the eye.
constexpr int kEsperaTrasNotaMs = 2 * Anunciador::kEsperaMs;

} // namespace

AyudasTablero::AyudasTablero(ZelboGame &juego, const AjustesJuego &ajustes, Mesa &mesa,
                             QStatusBar &barraDeEstado, Anunciador &anunciador,
                             std::function<void()> deshacer, QObject *parent)
    : QObject(parent)
    , m_juego(juego)
    , m_ajustes(ajustes)
    , m_barra(new BarraProbabilidad)
    , m_nota(new NotaTutor(std::move(deshacer), mesa))
    , m_tutor(std::make_unique<TutorEnHilo>([this] { return m_ajustes.tutor(); },
                                            [this] { return m_juego.nivelCpu(); },
                                            kEsperaTrasNotaMs))
{
    barraDeEstado.addPermanentWidget(m_barra);
    connect(m_tutor.get(), &TutorEnHilo::aviso, this, [this, &anunciador](const QString &texto) {
        m_nota->mostrar(texto);
        anunciador.avisar(texto);
    });
    // The bar follows the human's move at once, before the CPU's reply.
    connect(m_tutor.get(), &TutorEnHilo::jugadaDelHumano, m_barra,
            [this](const GameState &antes, const Jugada &jugada) {
                m_barra->setNivel(m_juego.nivelCpu());
                m_barra->actualizarTras(antes, jugada);
            });
    // A figure that changed is heard, briefly, after what the move says.
    connect(m_barra, &BarraProbabilidad::mostrado, this, [this, &anunciador](int porcentaje) {
        if (porcentaje == m_dicho)
            return;
        m_dicho = porcentaje;
        anunciador.avisarTrasElTurno(tr("Probabilidad: %1 %").arg(porcentaje));
    });
    m_juego.setTutor(*m_tutor);
    connect(&ajustes, &AjustesJuego::cambiado, this, &AyudasTablero::aplicarAjustes);
    aplicarAjustes();
}

AyudasTablero::~AyudasTablero() = default;

void AyudasTablero::turnoDelJugador()
{
    m_barra->setNivel(m_juego.nivelCpu());
    m_barra->actualizar(m_juego.estado());
}

void AyudasTablero::tableroCambiado()
{
    if (m_juego.esperaAlJugador())
        m_nota->hide();
}

void AyudasTablero::manoNueva()
{
    m_nota->hide();
}

void AyudasTablero::aplicarAjustes()
{
    const bool mostrar = m_ajustes.probabilidad();
    if (mostrar == m_barra->activa())
        return;
    m_barra->setActiva(mostrar);
    m_dicho = -1;
    if (mostrar && m_juego.esperaAlJugador())
        turnoDelJugador();
}
