// SPDX-License-Identifier: GPL-3.0-or-later

#include "estimadorenhilo.h"

#include "reglascompactas.h"
#include "vistadificil.h"

#include <QtMath>
#include <utility>

EstimadorEnHilo::EstimadorEnHilo(int muestras, QObject *parent)
    : QObject(parent)
    , m_estimador(muestras)
{
    m_hilo.setMaxThreadCount(1);
}

EstimadorEnHilo::~EstimadorEnHilo()
{
    m_hilo.waitForDone();
}

void EstimadorEnHilo::estimar(const GameState &estado)
{
    const VistaDificil vista = VistaDificil::desdeEstado(estado, Lado::Humano);
    pedir({ vista, std::nullopt }, vista.huella());
}

void EstimadorEnHilo::estimarTras(const GameState &antes, const Jugada &jugada)
{
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(jugada);
    if (!m)
        return;
    const VistaDificil vista = VistaDificil::desdeEstado(antes, Lado::Humano);
    const std::uint64_t movimiento
        = static_cast<std::uint64_t>(m->tipo) << 16 | std::uint64_t { m->carta } << 8 | m->mesa;
    pedir({ vista, m }, GeneradorDificil::combinar(vista.huella(), movimiento + 1));
}

void EstimadorEnHilo::pedir(const Pedido &pedido, std::uint64_t huella)
{
    if (m_ultima == huella)
        return;
    m_ultima = huella;
    if (m_ocupado) {
        m_siguiente = pedido;
        return;
    }
    empezar(pedido);
}

void EstimadorEnHilo::empezar(const Pedido &pedido)
{
    m_ocupado = true;
    m_hilo.start([this, pedido] {
        const ChancesDeGanar chances = pedido.tras
            ? m_estimador.estimarTras(pedido.vista, *pedido.tras)
            : m_estimador.estimar(pedido.vista);
        const int porcentaje = qRound(100.0 * chances.partida[Lado::Humano]);
        QMetaObject::invokeMethod(
            this, [this, porcentaje] { terminado(porcentaje); }, Qt::QueuedConnection);
    });
}

void EstimadorEnHilo::terminado(int porcentaje)
{
    m_ocupado = false;
    if (m_siguiente) {
        empezar(*std::exchange(m_siguiente, std::nullopt));
        return;
    }
    emit estimado(porcentaje);
}
