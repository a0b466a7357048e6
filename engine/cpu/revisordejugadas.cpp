// SPDX-License-Identifier: GPL-3.0-or-later

#include "revisordejugadas.h"

#include "reglascompactas.h"

#include <vector>

namespace {

// Moves of one kind with cards of one palo, lifting the same places, play alike.
bool igual(const PosicionCompacta &p, Lado lado, const MovimientoCompacto &a,
           const MovimientoCompacto &b)
{
    const auto &mano = p.mano[lado];
    return a.tipo == b.tipo && a.mesa == b.mesa && p.palo[mano[a.carta]] == p.palo[mano[b.carta]];
}

// Whether the hand of this move is still in play once the last of the moves is made.
bool manoEnJuego(std::span<const JugadaAnotada> jugadas, const JugadaAnotada &j)
{
    const GameState &ultima = jugadas.back().antes;
    if (ultima.numeroDeMano != j.antes.numeroDeMano)
        return false;
    const bool laCierra = ultima.cartasRepartidas >= PosicionCompacta::kCartas
        && ultima.player1.count() + ultima.player2.count() == 1;
    return !laCierra;
}

} // namespace

RevisorDeJugadas::RevisorDeJugadas(int muestras)
    : m_estimador(muestras)
    , m_juez(muestras * kVecesMasMuestras, kSemillaJuez)
{
}

RevisionJugada RevisorDeJugadas::revisar(const VistaDificil &vista,
                                         const MovimientoCompacto &jugada,
                                         std::stop_token parar) const
{
    const Lado yo = vista.yo();
    RevisionJugada r;
    r.lado = yo;
    r.jugada = jugada.comoJugada();
    r.antes = 100.0 * m_estimador.estimar(vista, parar).partida[yo];
    r.despues = 100.0 * m_estimador.estimarTras(vista, jugada, parar).partida[yo];

    std::vector<MovimientoCompacto> candidatos = ReglasCompactas::movimientos(
        vista.posicion, yo, ReglasCompactas::Alcance::Representativas);
    std::size_t hecha = candidatos.size();
    for (std::size_t i = 0; i < candidatos.size(); ++i) {
        if (igual(vista.posicion, yo, candidatos[i], jugada))
            hecha = i;
    }
    if (hecha == candidatos.size())
        candidatos.push_back(jugada);
    const std::vector<double> valores = m_juez.compararMovimientos(vista, candidatos, parar);
    std::size_t mejor = hecha;
    for (std::size_t i = 0; i < valores.size(); ++i) {
        if (valores[i] > valores[mejor])
            mejor = i;
    }
    r.perdida = 100.0 * (valores[mejor] - valores[hecha]);
    if (mejor != hecha && r.perdida >= RevisionJugada::kMejorNombrada)
        r.mejor = candidatos[mejor].comoJugada();
    r.clase = RevisionJugada::clasificar(r.perdida);
    return r;
}

RevisionJugada RevisorDeJugadas::revisar(const GameState &estado, Lado lado, const Jugada &jugada,
                                         std::stop_token parar) const
{
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(jugada);
    return revisar(VistaDificil::desdeEstado(estado, lado), m.value_or(MovimientoCompacto {}),
                   parar);
}

RevisionJugada RevisorDeJugadas::revisar(std::span<const JugadaAnotada> jugadas, std::size_t i,
                                         std::stop_token parar) const
{
    const JugadaAnotada &j = jugadas[i];
    if (j.lado == Lado::Cpu && manoEnJuego(jugadas, j))
        return revisarDesdeElRival(j, parar);
    return revisar(j.antes, j.lado, j.jugada, parar);
}

// The chances are the opponent's as it could judge them: before the move without
// its card, after it with the card it saw played. No better move is named and no
// loss counted: the mover chose with cards the opponent has not seen, and a move
// judged against hands it may not have held would blame it for luck, while one
// named from its real hand would show those cards.
RevisionJugada RevisorDeJugadas::revisarDesdeElRival(const JugadaAnotada &j,
                                                     std::stop_token parar) const
{
    const std::optional<MovimientoCompacto> m = ReglasCompactas::compacto(j.jugada);
    const CardList &mano = j.lado == Lado::Cpu ? j.antes.player1 : j.antes.player2;
    VistaDificil vista = VistaDificil::desdeEstado(j.antes, contrario(j.lado));
    RevisionJugada r;
    r.lado = j.lado;
    r.jugada = j.jugada;
    r.antes = 100.0 * m_estimador.estimarAlRival(vista, parar).partida[j.lado];
    vista.verCartaRival(j.jugada.carta, mano.at(j.jugada.carta));
    r.despues = 100.0
        * m_estimador.estimarTrasRival(vista, m.value_or(MovimientoCompacto {}), parar)
              .partida[j.lado];
    return r;
}
