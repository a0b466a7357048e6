// SPDX-License-Identifier: GPL-3.0-or-later

#include "revisordejugadas.h"

#include "reglascompactas.h"

#include <algorithm>
#include <vector>

namespace {

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

// The review of jugada from what its mover saw: the chances before and after it, and the
// best move with what jugada lost against it.
RevisionJugada desde(Lado yo, const MovimientoCompacto &jugada, const ChancesDeGanar &antes,
                     const ChancesDeGanar &despues, const MovimientoCompacto &mejor,
                     double mejorPartida)
{
    RevisionJugada r;
    r.lado = yo;
    r.jugada = jugada.comoJugada();
    r.antes = 100.0 * antes.partida[yo];
    r.despues = 100.0 * despues.partida[yo];
    r.manoHumanoAntes = 100.0 * antes.mano[Lado::Humano];
    r.manoHumanoDespues = 100.0 * despues.mano[Lado::Humano];
    r.perdida = std::max(0.0, 100.0 * (mejorPartida - despues.partida[yo]));
    if (!(mejor == jugada) && r.perdida >= RevisionJugada::kMejorNombrada)
        r.mejor = mejor.comoJugada();
    r.clase = RevisionJugada::clasificar(r.perdida);
    return r;
}

} // namespace

RevisorDeJugadas::RevisorDeJugadas(int muestras, NivelCpu nivel)
    : m_estimador(muestras, EstimadorVictoria::kSemilla, nivel)
{
}

// The human's position is worth its best move, the hint's, on the same deals as the
// move made; a move that plays as none of those compared is played on the same deals
// too. The CPU's seat is worth what its level's player makes of the position, and its
// move is compared with every move worth comparing.
RevisionJugada RevisorDeJugadas::revisar(const VistaDificil &vista,
                                         const MovimientoCompacto &jugada,
                                         std::stop_token parar) const
{
    const Lado yo = vista.yo();
    if (yo == Lado::Humano) {
        ValoracionDeJugadas v = m_estimador.valorar(vista, parar);
        // Told to stop before the first deal was drawn, it listed no move: the move made is
        // then the only one, and the caller drops the review anyway.
        if (v.movimientos.empty())
            v = m_estimador.valorar(vista, { jugada }, parar);
        const MovimientoCompacto &mejor = v.movimientos.at(v.mejor);
        const std::size_t hecha = v.indiceDe(vista.posicion, jugada);
        const ChancesDeGanar despues = hecha < v.movimientos.size()
            ? v.chances[hecha]
            : m_estimador.valorar(vista, { jugada }, parar).deLaMejor();
        const MovimientoCompacto &hechaComoSeCompara
            = hecha < v.movimientos.size() ? v.movimientos[hecha] : jugada;
        RevisionJugada r = desde(yo, hechaComoSeCompara, v.deLaMejor(), despues, mejor,
                                 v.deLaMejor().partida[yo]);
        r.jugada = jugada.comoJugada();
        return r;
    }
    ValoracionDeJugadas v;
    v.movimientos = ReglasCompactas::movimientos(vista.posicion, yo,
                                                 ReglasCompactas::Alcance::Representativas);
    std::size_t hecha = v.indiceDe(vista.posicion, jugada);
    if (hecha == v.movimientos.size())
        v.movimientos.push_back(jugada);
    v = m_estimador.valorar(vista, v.movimientos, parar);
    RevisionJugada r = desde(yo, v.movimientos[hecha], m_estimador.estimar(vista, parar),
                             v.chances[hecha], v.movimientos[v.mejor], v.deLaMejor().partida[yo]);
    r.jugada = jugada.comoJugada();
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
    const ChancesDeGanar antes = m_estimador.estimarAlRival(vista, parar);
    vista.verCartaRival(j.jugada.carta, mano.at(j.jugada.carta));
    const ChancesDeGanar despues
        = m_estimador.estimarTrasRival(vista, m.value_or(MovimientoCompacto {}), parar);
    r.antes = 100.0 * antes.partida[j.lado];
    r.despues = 100.0 * despues.partida[j.lado];
    r.manoHumanoAntes = 100.0 * antes.mano[Lado::Humano];
    r.manoHumanoDespues = 100.0 * despues.mano[Lado::Humano];
    return r;
}
