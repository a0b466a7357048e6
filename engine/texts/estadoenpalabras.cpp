// SPDX-License-Identifier: GPL-3.0-or-later

#include "estadoenpalabras.h"

#include "nombrenaipe.h"

#include <algorithm>

namespace {
// A hand's first deal lays four cards on the table and three in each hand, each later
// deal three in each hand: six deals, or rounds, to a hand.
constexpr int kMesaInicial = 4;
constexpr int kPorReparto = 6;
constexpr int kRondas = (Mazo::kCartas - kMesaInicial) / kPorReparto;
} // namespace

QString EstadoEnPalabras::cartas(const GameState &e, const CardList &lista)
{
    QList<const classNaipe *> naipes;
    for (const CardId c : lista)
        naipes << &e.carta(c);
    return NombreNaipe::lista(naipes);
}

QString EstadoEnPalabras::pila(const GameState &e, const QString &titulo, const CardList &lista)
{
    if (lista.isEmpty())
        return tr("%1: vacío").arg(titulo);
    const QString cuantas = lista.count() == 1 ? tr("1 carta") : tr("%1 cartas").arg(lista.count());
    return tr("%1: %2, arriba %3")
        .arg(titulo, cuantas, NombreNaipe::conArticulo(e.carta(lista.at(0))));
}

QString EstadoEnPalabras::mesa(const GameState &e)
{
    return e.lamesa.isEmpty() ? tr("La mesa está vacía")
                              : tr("En la mesa: %1").arg(cartas(e, e.lamesa));
}

QString EstadoEnPalabras::mano(const GameState &e)
{
    return e.player2.isEmpty() ? tr("Tu mano está vacía")
                               : tr("Tu mano: %1").arg(cartas(e, e.player2));
}

QString EstadoEnPalabras::montones(const GameState &e)
{
    return tr("%1. %2. Puntos: %3 %4, %5 %6")
        .arg(pila(e, tr("Montón de la CPU"), e.player1Lev), pila(e, tr("Tu montón"), e.player2Lev),
             e.jugadorCpu.nombre())
        .arg(e.jugadorCpu.puntos())
        .arg(e.jugadorHumano.nombre())
        .arg(e.jugadorHumano.puntos());
}

QString EstadoEnPalabras::turno(const GameState &e, Lado juega, std::optional<int> probabilidad)
{
    const QString quien = juega == Lado::Cpu ? e.jugadorCpu.nombre() : e.jugadorHumano.nombre();
    const int ronda = std::max(1, (e.cartasRepartidas - kMesaInicial) / kPorReparto);
    QString frase = ronda == kRondas
        ? tr("Juega %1. Mano %2, última ronda").arg(quien).arg(e.numeroDeMano)
        : tr("Juega %1. Mano %2, ronda %3 de %4")
              .arg(quien)
              .arg(e.numeroDeMano)
              .arg(ronda)
              .arg(kRondas);
    if (probabilidad)
        frase += QStringLiteral(". ") + tr("Probabilidad: %1 %").arg(*probabilidad);
    return frase;
}

QString EstadoEnPalabras::reparto(const GameState &e, bool primero)
{
    const QString mano = tr("Nuevo reparto: %1").arg(cartas(e, e.player2));
    return primero ? mano + QStringLiteral(". ") + mesa(e) : mano;
}
