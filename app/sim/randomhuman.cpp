// SPDX-License-Identifier: GPL-3.0-or-later

#include "randomhuman.h"

#include "marcas.h"

RandomHuman::RandomHuman(ZelboGame &juego, RandomSource &azar)
    : m_juego(juego)
    , m_azar(azar)
{
}

bool RandomHuman::puedeJugar() const
{
    return !m_juego.terminado() && !m_juego.estado().player2.isEmpty();
}

RandomHuman::Lugares RandomHuman::coincidencias(const GameState &estado, CardId carta)
{
    Lugares lugares;
    for (int j = 0; j < estado.lamesa.count() && j < Marcas::kMesa; ++j) {
        if (estado.mismoPalo(estado.lamesa.at(j), carta))
            lugares.agregar(j);
    }
    return lugares;
}

RandomHuman::Movimientos RandomHuman::legales(const GameState &estado, int slot)
{
    const CardId carta = estado.player2.at(slot);
    const std::uint8_t palo = estado.paloId(carta);
    Movimientos movimientos;
    movimientos.agregar(Movimiento::AlMonton);
    bool mesaConPalo = false;
    bool lugarConPalo = false; // among the places the board shows
    for (int j = 0; j < estado.lamesa.count(); ++j) {
        if (estado.paloId(estado.lamesa.at(j)) == palo) {
            mesaConPalo = true;
            lugarConPalo = lugarConPalo || j < Marcas::kMesa;
        }
    }
    if (!mesaConPalo)
        movimientos.agregar(Movimiento::Tirar);
    if (lugarConPalo)
        movimientos.agregar(Movimiento::LevantarMesa);
    if (!estado.player1Lev.isEmpty() && estado.paloId(estado.player1Lev.at(0)) == palo)
        movimientos.agregar(Movimiento::LevantarMonton);
    return movimientos;
}

int RandomHuman::elegir(int n)
{
    const int k = static_cast<int>(n * m_azar.next());
    return k < n ? k : n - 1;
}

void RandomHuman::azar()
{
    const GameState &e = m_juego.estado();
    Jugada &jugada = m_jugada;
    jugada.mesa.clear();
    jugada.carta = elegir(e.player2.count());
    const Movimientos movimientos = legales(e, jugada.carta);
    switch (movimientos.at(elegir(movimientos.n))) {
    case Movimiento::Tirar:
        jugada.tipo = Jugada::Tipo::Tirar;
        break;
    case Movimiento::AlMonton:
        jugada.tipo = Jugada::Tipo::AlMonton;
        break;
    case Movimiento::LevantarMesa: {
        jugada.tipo = Jugada::Tipo::LevantarMesa;
        const Lugares lugares = coincidencias(e, e.player2.at(jugada.carta));
        // Every non-empty subset of the matching places is equally likely.
        const int mascara = 1 + elegir((1 << lugares.n) - 1);
        for (int k = 0; k < lugares.n; ++k) {
            if (mascara & (1 << k))
                jugada.mesa.push_back(lugares.at(k));
        }
        break;
    }
    case Movimiento::LevantarMonton:
        jugada.tipo = Jugada::Tipo::LevantarMonton;
        break;
    }
}

RandomHuman::Movimiento RandomHuman::jugar()
{
    if (m_elector)
        m_elector->elegirEn(m_juego.estado(), Lado::Humano, m_jugada);
    else
        azar();
    const Jugada &jugada = m_jugada;
    jugar(jugada);
    switch (jugada.tipo) {
    case Jugada::Tipo::AlMonton:
        return Movimiento::AlMonton;
    case Jugada::Tipo::LevantarMonton:
        return Movimiento::LevantarMonton;
    case Jugada::Tipo::LevantarMesa:
        return Movimiento::LevantarMesa;
    case Jugada::Tipo::Tirar:
        break;
    }
    return Movimiento::Tirar;
}

void RandomHuman::jugar(const Jugada &jugada)
{
    switch (jugada.tipo) {
    case Jugada::Tipo::Tirar:
        m_juego.intentar(Intento::tirar(jugada.carta));
        break;
    case Jugada::Tipo::AlMonton:
        m_juego.intentar(Intento::alMonton(jugada.carta));
        break;
    case Jugada::Tipo::LevantarMesa:
        m_juego.pulsar({ GrupoImagen::cartap2img, jugada.carta });
        for (const int lugar : jugada.mesa)
            m_juego.pulsar({ GrupoImagen::mesaimg, lugar });
        m_juego.intentar(Intento::levantar());
        break;
    case Jugada::Tipo::LevantarMonton:
        m_juego.pulsar({ GrupoImagen::cartap2img, jugada.carta });
        m_juego.pulsar({ GrupoImagen::montonimg, 0 });
        m_juego.intentar(Intento::levantar());
        break;
    }
}
