#include "electorcronometrado.h"

#include <QElapsedTimer>

#include <utility>

ElectorCronometrado::ElectorCronometrado(std::unique_ptr<ElectorJugada> elector)
    : m_elector(std::move(elector))
{
}

Jugada ElectorCronometrado::elegir(const GameState &estado, Lado lado)
{
    QElapsedTimer reloj;
    reloj.start();
    Jugada jugada = m_elector->elegir(estado, lado);
    m_tiempos.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    return jugada;
}
