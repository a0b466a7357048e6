// SPDX-License-Identifier: GPL-3.0-or-later

#include "barraprobabilidad.h"

#include "reglascompactas.h"

#include <QAccessible>
#include <QtMath>

BarraProbabilidad::BarraProbabilidad(int muestras, QWidget *parent)
    : QProgressBar(parent)
    , m_estimador(muestras)
{
    setObjectName(QStringLiteral("barraProbabilidad"));
    setRange(0, 100);
    setValue(0);
    setFormat(tr("%p %"));
    // No figure before the first one is worked out.
    setTextVisible(false);
    setMaximumHeight(fontMetrics().height());
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    setAccessibleName(tr("Probabilidad de ganar"));
    setToolTip(tr("Probabilidad de ganar la partida si juegas como la pista"));
    setVisible(false);
}

void BarraProbabilidad::setActiva(bool activa)
{
    m_activa = activa;
    setVisible(activa);
}

void BarraProbabilidad::setNivel(NivelCpu nivel)
{
    if (nivel == m_estimador.nivel())
        return;
    m_estimador = EstimadorVictoria(m_estimador.muestras(), EstimadorVictoria::kSemilla, nivel);
    m_ultima.reset();
}

void BarraProbabilidad::actualizar(const GameState &estado)
{
    if (!m_activa)
        return;
    const VistaDificil vista = VistaDificil::desdeEstado(estado, Lado::Humano);
    pedir(vista, std::nullopt, vista.huella());
}

void BarraProbabilidad::actualizarTras(const GameState &antes, const Jugada &jugada)
{
    if (!m_activa)
        return;
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(jugada);
    if (!m)
        return;
    const VistaDificil vista = VistaDificil::desdeEstado(antes, Lado::Humano);
    const std::uint64_t movimiento
        = static_cast<std::uint64_t>(m->tipo) << 16 | std::uint64_t { m->carta } << 8 | m->mesa;
    pedir(vista, m, GeneradorDificil::combinar(vista.huella(), movimiento + 1));
}

void BarraProbabilidad::pedir(const VistaDificil &vista, std::optional<MovimientoCompacto> tras,
                              std::uint64_t huella)
{
    if (m_ultima == huella)
        return;
    m_ultima = huella;
    m_trabajo.pedir(
        [estimador = m_estimador, vista, tras](std::stop_token parar) {
            return tras ? estimador.estimarTras(vista, *tras, parar)
                        : estimador.estimar(vista, parar);
        },
        [this](const ChancesDeGanar &chances) { mostrar(chances); });
}

void BarraProbabilidad::mostrar(const ChancesDeGanar &chances)
{
    const int porcentaje = qRound(100.0 * chances.partida[Lado::Humano]);
    setToolTip(tr("Probabilidad de ganar si juegas como la pista: la partida %1 %, esta mano %2 %")
                   .arg(porcentaje)
                   .arg(qRound(100.0 * chances.mano[Lado::Humano])));
    setValue(porcentaje);
    setTextVisible(true);
    setAccessibleName(tr("Probabilidad de ganar: %1 %").arg(porcentaje));
    emit mostrado(porcentaje);
}
