#include "posicion.h"

#include <QSet>

namespace {

QStringList entradas(const QList<int> &numeros)
{
    QStringList lista;
    for (int n : numeros)
        lista.append(QString::number(n));
    return lista;
}

void rellenar(QList<int> &pila, int tam, QSet<int> &usadas)
{
    for (int n = 1; n <= Mazo::kCartas && pila.size() < tam; ++n) {
        if (!usadas.contains(n)) {
            pila.append(n);
            usadas.insert(n);
        }
    }
}

} // namespace

Posicion Posicion::completa() const
{
    Posicion p = *this;
    QSet<int> usadas;
    for (const QList<int> *l : { &mesa, &cpu, &humano, &pilaCpu, &pilaHumano })
        for (int n : *l)
            usadas.insert(n);
    rellenar(p.pilaCpu, tamPilaCpu, usadas);
    rellenar(p.pilaHumano, tamPilaHumano, usadas);
    p.tamPilaCpu = -1;
    p.tamPilaHumano = -1;
    return p;
}

int Posicion::repartidas() const
{
    const Posicion p = completa();
    return static_cast<int>(p.mesa.size() + p.cpu.size() + p.humano.size() + p.pilaCpu.size()
                            + p.pilaHumano.size());
}

GameState Posicion::estado(const Mazo &mazo) const
{
    const Posicion p = completa();
    GameState e;
    e.mazo = mazo;
    e.lamesa = lista(p.mesa);
    e.player1 = lista(p.cpu);
    e.player2 = lista(p.humano);
    e.player1Lev = lista(p.pilaCpu);
    e.player2Lev = lista(p.pilaHumano);
    for (const QList<int> *l : { &p.mesa, &p.cpu, &p.humano, &p.pilaCpu, &p.pilaHumano })
        for (int n : *l)
            e.mazo.carta(n).a_repartida(true);
    e.cartasRepartidas = static_cast<std::uint8_t>(repartidas());
    e.primerReparto = false;
    e.jugadorCpu.a_nombre(nombreCpu);
    e.jugadorCpu.a_puntos(static_cast<std::int16_t>(puntosCpu));
    e.jugadorHumano.a_nombre(nombreHumano);
    e.jugadorHumano.a_puntos(static_cast<std::int16_t>(puntosHumano));
    return e;
}

SavedGame Posicion::partida() const
{
    const Posicion p = completa();
    SavedGame s;
    s.lamesa = entradas(p.mesa);
    s.player1 = entradas(p.cpu);
    s.player1Lev = entradas(p.pilaCpu);
    s.player2 = entradas(p.humano);
    s.player2Lev = entradas(p.pilaHumano);
    QSet<int> repartidas;
    for (const QList<int> *l : { &p.mesa, &p.cpu, &p.humano, &p.pilaCpu, &p.pilaHumano })
        for (int n : *l)
            repartidas.insert(n);
    for (int n = 1; n <= Mazo::kCartas; ++n)
        s.repartidas.append(repartidas.contains(n));
    s.primerReparto = false;
    s.cartasRepartidas = repartidas.size();
    s.nombreCpu = nombreCpu;
    s.puntosCpu = puntosCpu;
    s.nombreHumano = nombreHumano;
    s.puntosHumano = puntosHumano;
    return s;
}

CardList Posicion::lista(const QList<int> &numeros)
{
    CardList l;
    for (int n : numeros)
        l.append(QString::number(n));
    return l;
}

QList<int> Posicion::numeros(const CardList &lista)
{
    QList<int> l;
    for (const QString &e : lista.entradas())
        l.append(e.toInt());
    return l;
}
