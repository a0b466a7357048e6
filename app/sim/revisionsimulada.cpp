// SPDX-License-Identifier: GPL-3.0-or-later

#include "revisionsimulada.h"

#include "reglascompactas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace {

constexpr int kDecimos = 10;

std::string conDecimal(double x)
{
    std::array<char, 32> texto {};
    const int n = std::snprintf(texto.data(), texto.size(), "%.1f", x);
    return std::string(texto.data(), static_cast<std::size_t>(n));
}

} // namespace

void RevisionSimulada::antesDeJugar(const VistaDificil &vista)
{
    m_vista = vista;
    m_donde = { m_partida + 1, m_mano + 1, ++m_jugadas };
}

void RevisionSimulada::trasJugar(const Jugada &jugada)
{
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(jugada);
    const RevisionJugada r = m_revisor.revisar(m_vista, m.value_or(MovimientoCompacto {}));
    m_posiciones.push_back({ m_donde[0] - 1, r.antes / 100.0 });
    m_perdidas += r.perdida;
    m_linea = "move " + std::to_string(m_donde[0]) + ' ' + std::to_string(m_donde[1]) + ' '
        + std::to_string(m_donde[2]) + ": before=" + conDecimal(r.antes)
        + " after=" + conDecimal(r.despues) + " loss=" + conDecimal(r.perdida) + '\n';
    std::fwrite(m_linea.data(), 1, m_linea.size(), stdout);
}

void RevisionSimulada::alTerminarMano()
{
    ++m_mano;
    m_jugadas = 0;
}

void RevisionSimulada::alTerminarPartida(bool ganaHumano)
{
    m_ganadas.push_back(ganaHumano);
    ++m_partida;
    m_mano = 0;
    m_jugadas = 0;
}

QString RevisionSimulada::calibracion() const
{
    struct Decimo
    {
        int posiciones = 0;
        std::set<int> partidas;
        double estimado = 0.0;
        int ganadas = 0;
    };
    std::array<Decimo, kDecimos> decimos {};
    for (const Posicion &p : m_posiciones) {
        const int i = std::min(kDecimos - 1, static_cast<int>(std::floor(p.chance * kDecimos)));
        Decimo &d = decimos[static_cast<std::size_t>(i)];
        ++d.posiciones;
        d.partidas.insert(p.partida);
        d.estimado += p.chance;
        d.ganadas += ganoHumano(p.partida) ? 1 : 0;
    }
    QString texto;
    for (int i = 0; i < kDecimos; ++i) {
        const Decimo &d = decimos[static_cast<std::size_t>(i)];
        if (d.posiciones == 0)
            continue;
        texto
            += QStringLiteral("calibration %1-%2: positions=%3 games=%4 mean_estimate=%5 won=%6\n")
                   .arg(i * 100 / kDecimos)
                   .arg((i + 1) * 100 / kDecimos)
                   .arg(d.posiciones)
                   .arg(d.partidas.size())
                   .arg(100.0 * d.estimado / d.posiciones, 0, 'f', 1)
                   .arg(100.0 * d.ganadas / d.posiciones, 0, 'f', 1);
    }
    return texto;
}

QString RevisionSimulada::resumen() const
{
    int ganadas = 0;
    for (const bool g : m_ganadas)
        ganadas += g ? 1 : 0;
    const double constante = m_ganadas.empty()
        ? 0.0
        : static_cast<double>(ganadas) / static_cast<double>(m_ganadas.size());
    double brier = 0.0;
    double brierConstante = 0.0;
    for (const Posicion &p : m_posiciones) {
        const double y = ganoHumano(p.partida) ? 1.0 : 0.0;
        brier += (p.chance - y) * (p.chance - y);
        brierConstante += (constante - y) * (constante - y);
    }
    const double n = m_posiciones.empty() ? 1.0 : static_cast<double>(m_posiciones.size());
    return calibracion()
        + QStringLiteral("brier=%1 brier_constant=%2\nmean_loss=%3\n")
              .arg(brier / n, 0, 'f', 4)
              .arg(brierConstante / n, 0, 'f', 4)
              .arg(m_perdidas / n, 0, 'f', 2);
}
