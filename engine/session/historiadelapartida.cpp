// SPDX-License-Identifier: GPL-3.0-or-later

#include "historiadelapartida.h"

#include <optional>
#include <utility>

HistoriaDeLaPartida::HistoriaDeLaPartida(GameState &estado, RandomSource &azar)
    : m_estado(estado)
    , m_azar(azar)
{
}

void HistoriaDeLaPartida::setActiva(bool activa)
{
    m_activa = activa;
    m_registro.setActivo(activa);
}

void HistoriaDeLaPartida::nuevaPartida(int numero)
{
    m_deshacer.olvidar();
    m_registro.nuevaPartida(numero);
}

void HistoriaDeLaPartida::partidaAbierta()
{
    m_deshacer.olvidar();
    m_registro.partidaAbierta();
    m_registro.setManos(m_estado.numeroDeMano);
    anotarTurnoHumano();
}

void HistoriaDeLaPartida::anotarTurnoHumano()
{
    if (m_activa)
        m_deshacer.anotar({ m_estado, m_azar.estado(), m_registro.lineasDeLaPartida(),
                            !m_registro.ultimaJugadaCpu().isEmpty() });
}

bool HistoriaDeLaPartida::volverA(const HistorialDeshacer::Foto *foto)
{
    if (!foto)
        return false;
    // A position's lines end where its human turn begins, so the longer of the two
    // histories goes on with the move made from the earlier position.
    const QStringList ahora = m_registro.lineasDeLaPartida();
    const bool atras = foto->jugadas.size() < ahora.size();
    m_jugadaVuelta = (atras ? ahora : foto->jugadas).value((atras ? foto->jugadas : ahora).size());
    const QString cpu = m_estado.jugadorCpu.nombre();
    const QString humano = m_estado.jugadorHumano.nombre();
    m_estado = foto->estado;
    m_estado.jugadorCpu.a_nombre(cpu);
    m_estado.jugadorHumano.a_nombre(humano);
    m_azar.restaurar(foto->azar);
    m_registro.setLineasDeLaPartida(foto->jugadas, foto->trasCpu);
    m_registro.setManos(m_estado.numeroDeMano);
    return true;
}

void HistoriaDeLaPartida::reanudar(const QByteArray &bytes)
{
    m_deshacer.olvidar();
    std::optional<HistorialDeshacer> historial
        = m_activa ? HistorialDeshacer::deBytes(bytes, m_estado) : std::nullopt;
    if (historial) {
        m_deshacer = std::move(*historial);
        m_registro.setLineasDeLaPartida(m_deshacer.actual()->jugadas, m_deshacer.actual()->trasCpu);
    } else {
        anotarTurnoHumano();
    }
    m_registro.setManos(m_estado.numeroDeMano);
}
