// SPDX-License-Identifier: GPL-3.0-or-later

#include "verificador.h"

#include "gamestate.h"
#include "verificacionerror.h"

namespace {
constexpr int kCartas = Mazo::kCartas;
}

Verificador::Verificador(std::uint64_t semilla)
    : m_semilla(semilla)
{
}

void Verificador::trasActualizar(const GameState &e)
{
    QString quien;
    if (e.cartasRepartidas != m_repartidas) {
        m_repartidas = e.cartasRepartidas;
        ++m_repartos;
        quien = QStringLiteral("deal");
    } else {
        ++m_movimiento;
        ++m_movimientos;
        quien = m_delHumano ? QStringLiteral("human") : QStringLiteral("cpu");
        m_delHumano = false;
    }
    if (const QString f = e.faltaDeConsistencia(); !f.isEmpty())
        falta(quien, f);
}

void Verificador::alContar(const GameState &e, int cpu, int humano)
{
    const QString quien = QStringLiteral("hand end");
    if (const QString f = e.faltaDeConsistencia(); !f.isEmpty())
        falta(quien, f);
    if (e.cartasRepartidas != kCartas)
        falta(quien, QStringLiteral("scored after %1 cards were dealt").arg(e.cartasRepartidas));
    if (cpu + humano + e.lamesa.count() != kCartas)
        falta(quien,
              QStringLiteral("piles %1 + %2 and table %3 do not hold %4 cards")
                  .arg(cpu)
                  .arg(humano)
                  .arg(e.lamesa.count())
                  .arg(kCartas));
    ++m_manos;
    ++m_mano;
    m_movimiento = 0;
}

void Verificador::alTerminarPartida()
{
    ++m_partida;
    m_mano = 1;
}

void Verificador::falta(const QString &quien, const QString &texto)
{
    if (!m_falta.isEmpty())
        return;
    m_falta = QStringLiteral("check failed at seed=%1 game=%2 hand=%3 move=%4 (%5): %6")
                  .arg(m_semilla)
                  .arg(m_partida)
                  .arg(m_mano)
                  .arg(m_movimiento)
                  .arg(quien, texto);
}

void Verificador::comprobar() const
{
    if (!m_falta.isEmpty())
        throw VerificacionError(m_falta);
}
