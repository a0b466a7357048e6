// SPDX-License-Identifier: GPL-3.0-or-later

#include "juegosinventana.h"

#include "simulacionerror.h"

JuegoSinVentana::JuegoSinVentana(const QString &programDir, RandomSource &azar)
    : m_juego(programDir, m_vista, m_dialogos, azar, m_ajustes,
              ZelboGame::ArchivoDePropiedades::Ninguno)
{
    m_juego.setConHistorial(false);
}

void JuegoSinVentana::comprobarSalida() const
{
    if (m_juego.terminado() && m_juego.estadoSalida() != 0)
        throw SimulacionError(QStringLiteral("the game ended with an error: ")
                              + m_dialogos.ultimoError());
}

void JuegoSinVentana::iniciar()
{
    m_juego.iniciar();
    comprobarSalida();
}

RandomHuman::Movimiento JuegoSinVentana::jugar(RandomHuman &humano)
{
    const int antes = m_vista.actualizaciones();
    const RandomHuman::Movimiento m = humano.jugar();
    comprobarSalida();
    // Every move the game takes refreshes the board.
    if (!m_juego.terminado() && m_vista.actualizaciones() == antes)
        throw SimulacionError(QStringLiteral("the game refused a legal move: ")
                              + m_dialogos.ultimoAviso());
    return m;
}

void JuegoSinVentana::guardar(const QString &fichero)
{
    if (!m_juego.GuardarJuego(fichero))
        throw SimulacionError(fichero + QStringLiteral(": ") + m_dialogos.ultimoAviso());
}

void JuegoSinVentana::cargar(const QString &fichero)
{
    if (!m_juego.CargarJuego(fichero))
        throw SimulacionError(QStringLiteral("%1: %2 (%3)")
                                  .arg(fichero, m_dialogos.ultimoAviso(), m_juego.motivoDeCarga()));
}

QString JuegoSinVentana::posicion() const
{
    const GameState &e = m_juego.estado();
    return QStringLiteral("dealt=%1 table=%2 cpu=%3/%4 human=%5/%6")
        .arg(e.cartasRepartidas)
        .arg(e.lamesa.count())
        .arg(e.player1.count())
        .arg(e.player1Lev.count())
        .arg(e.player2.count())
        .arg(e.player2Lev.count());
}
