// SPDX-License-Identifier: GPL-3.0-or-later

#include "registrodejugadas.h"

#include "captura.h"
#include "frasejugada.h"

void RegistroDeJugadas::nuevaPartida(int numero)
{
    m_manos = 0;
    if (!m_activo)
        return;
    m_inicioPartida = m_lineas.size();
    m_jugadas.empezar();
    m_lineas << (numero > 0 ? tr("Partida %1").arg(numero) : tr("Partida nueva"));
}

void RegistroDeJugadas::partidaAbierta()
{
    if (!m_activo)
        return;
    m_inicioPartida = m_lineas.size();
    m_jugadas.empezar();
    m_lineas << tr("Partida abierta de un archivo");
}

void RegistroDeJugadas::setLineasDeLaPartida(const QStringList &lineas, bool trasCpu)
{
    m_lineas = m_lineas.first(m_inicioPartida) + lineas;
    m_lineaCpu = trasCpu && !lineas.isEmpty() ? m_lineas.size() - 1 : -1;
    m_jugadas.setLineas(lineas.size());
}

QString RegistroDeJugadas::ultimaJugadaCpu() const
{
    return m_lineaCpu >= 0 && m_lineaCpu == m_lineas.size() - 1 ? m_lineas.constLast() : QString();
}

void RegistroDeJugadas::nuevaMano()
{
    ++m_manos;
    if (!m_activo)
        return;
    m_lineas << tr("Mano %1").arg(m_manos);
}

void RegistroDeJugadas::jugadaCpu(const GameState &antes, const Jugada &jugada)
{
    if (!m_activo)
        return;
    anotar(antes, Lado::Cpu, jugada);
    m_lineaCpu = m_lineas.size();
    m_lineas << FraseJugada::cpu(antes, jugada);
}

void RegistroDeJugadas::jugadaHumano(const GameState &antes, const Jugada &jugada)
{
    if (!m_activo)
        return;
    anotar(antes, Lado::Humano, jugada);
    m_lineas << FraseJugada::humano(antes, jugada);
}

void RegistroDeJugadas::anotar(const GameState &antes, Lado lado, const Jugada &jugada)
{
    m_jugadas.anotar(m_lineas.size() - m_inicioPartida, antes, lado, jugada);
}

Jugada RegistroDeJugadas::levantamiento(const GameState &antes)
{
    Jugada jugada;
    // A mark over an empty hand slot takes no part in the lift.
    for (int i = antes.player2.count() - 1; i >= 0; --i) {
        if (i < Marcas::kMano && antes.marcas.Checkp2.at(static_cast<std::size_t>(i)))
            jugada.carta = i;
    }
    if (antes.marcas.CheckMonton[0]) {
        jugada.tipo = Jugada::Tipo::LevantarMonton;
    } else {
        jugada.tipo = Jugada::Tipo::LevantarMesa;
        for (int i = 0; i < antes.lamesa.count() && i < Marcas::kMesa; ++i) {
            if (antes.marcas.CheckMesa.at(static_cast<std::size_t>(i)))
                jugada.mesa.push_back(i);
        }
    }
    return jugada;
}

void RegistroDeJugadas::finDeMano(const GameState &antes)
{
    if (!m_activo)
        return;
    // The table goes to the last lifter before the piles are compared.
    int cpu = antes.player1Lev.count();
    int humano = antes.player2Lev.count();
    if (antes.ultimoEnLevantar == Lado::Cpu)
        cpu += antes.lamesa.count();
    else if (antes.ultimoEnLevantar == Lado::Humano)
        humano += antes.lamesa.count();
    m_lineas << resultado(ResultadoDeMano::dePilas(cpu, humano), antes.jugadorHumano.nombre());
}

QString RegistroDeJugadas::resultado(const ResultadoDeMano &r, const QString &nombreHumano)
{
    switch (r.ganador) {
    case ResultadoDeMano::Ganador::Cpu:
        return tr("Mano para la CPU: %1 a %2").arg(r.cpu).arg(r.humano);
    case ResultadoDeMano::Ganador::Humano:
        return tr("Mano para %1: %2 a %3").arg(nombreHumano).arg(r.humano).arg(r.cpu);
    case ResultadoDeMano::Ganador::Empate:
        break;
    }
    return tr("Mano empatada: %1 a %2").arg(r.cpu).arg(r.humano);
}
