// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecturadeljuego.h"

#include "anunciador.h"
#include "barraprobabilidad.h"
#include "estadoenpalabras.h"
#include "zelbogame.h"

LecturaDelJuego::LecturaDelJuego(const ZelboGame &juego, Anunciador &anunciador)
    : m_juego(juego)
    , m_anunciador(anunciador)
{
}

void LecturaDelJuego::mesa()
{
    m_anunciador.avisar(EstadoEnPalabras::mesa(m_juego.estado()));
}

void LecturaDelJuego::mano()
{
    m_anunciador.avisar(EstadoEnPalabras::mano(m_juego.estado()));
}

void LecturaDelJuego::montones()
{
    m_anunciador.avisar(EstadoEnPalabras::montones(m_juego.estado()));
}

void LecturaDelJuego::turno()
{
    // The bar shows its figure once the first one is worked out.
    const bool cifra = m_barra && m_barra->activa() && m_barra->isTextVisible();
    m_anunciador.avisar(EstadoEnPalabras::turno(
        m_juego.estado(), m_juego.juega(), cifra ? std::optional(m_barra->value()) : std::nullopt));
}

void LecturaDelJuego::repartido(bool primero)
{
    const GameState &e = m_juego.estado();
    // Who plays first is the next turn's side until the turn is given.
    m_anunciador.reparto(EstadoEnPalabras::reparto(e, primero), e.turno == Lado::Humano);
}
