// SPDX-License-Identifier: GPL-3.0-or-later

#include "posicion.h"

#include <QSet>
#include <array>

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

Posicion Posicion::primeraJugada()
{
    using namespace Naipes;
    Posicion p;
    p.humano = { oros(1), copas(1) };
    p.cpu = { espadas(1) };
    p.mesa = { bastos(1) };
    p.pilaCpu = { copas(5) };
    p.tamPilaCpu = 3;
    p.tamPilaHumano = 3;
    return p;
}

Posicion Posicion::montonDeLaCpuAlAlcance()
{
    using namespace Naipes;
    Posicion p;
    p.humano = { oros(10), copas(1) };
    p.cpu = { espadas(1), espadas(2) };
    p.mesa = { bastos(1), oros(8) };
    p.pilaCpu = { copas(5) };
    p.tamPilaCpu = 10;
    return p;
}

Posicion Posicion::terceraManoDelHumano()
{
    using namespace Naipes;
    Posicion p;
    p.humano = { oros(1) };
    p.cpu = { espadas(1) };
    p.mesa = { bastos(1) };
    p.tamPilaCpu = 10;
    p.tamPilaHumano = 27;
    p.puntosCpu = 1;
    p.puntosHumano = 2;
    return p;
}

CardList Posicion::lista(const QList<int> &numeros)
{
    CardList l;
    for (int n : numeros)
        l.append(static_cast<CardId>(n));
    return l;
}

namespace {

template<std::size_t N> QString marcas(const std::array<bool, N> &grupo)
{
    QString texto;
    for (bool marca : grupo)
        texto += marca ? QLatin1Char('x') : QLatin1Char('.');
    return texto;
}

} // namespace

QString Posicion::texto(const GameState &e)
{
    QStringList partes;
    const auto lista = [&partes](const char *nombre, const CardList &l) {
        partes << QStringLiteral("%1 [%2]").arg(QLatin1String(nombre), textos(l).join(u' '));
    };
    lista("mesa", e.lamesa);
    lista("cpu", e.player1);
    lista("pilaCpu", e.player1Lev);
    lista("humano", e.player2);
    lista("pilaHumano", e.player2Lev);
    QStringList repartidas;
    for (int n = 1; n <= Mazo::kCartas; ++n) {
        if (e.mazo.carta(n).repartida())
            repartidas << QString::number(n);
    }
    partes << QStringLiteral("repartidas [%1] cuenta %2 primerReparto %3")
                  .arg(repartidas.join(u' '))
                  .arg(static_cast<int>(e.cartasRepartidas))
                  .arg(e.primerReparto ? 1 : 0);
    partes << QStringLiteral("%1 %2 puntos, %3 %4 puntos")
                  .arg(e.jugadorCpu.nombre())
                  .arg(e.jugadorCpu.puntos())
                  .arg(e.jugadorHumano.nombre())
                  .arg(e.jugadorHumano.puntos());
    partes << QStringLiteral("turno %1 ultimo \"%2\"")
                  .arg(numeroDeLado(e.turno))
                  .arg(ultimo(e.ultimoEnLevantar));
    partes << QStringLiteral("marcas mesa %1 p1 %2 p2 %3 monton %4")
                  .arg(marcas(e.marcas.CheckMesa), marcas(e.marcas.Checkp1),
                       marcas(e.marcas.Checkp2), marcas(e.marcas.CheckMonton));
    return partes.join(QStringLiteral("; "));
}

QList<int> Posicion::numeros(const CardList &lista)
{
    QList<int> l;
    for (const CardId carta : lista)
        l.append(carta);
    return l;
}

QStringList Posicion::textos(const CardList &lista)
{
    QStringList l;
    for (const CardId carta : lista)
        l.append(QString::number(carta));
    return l;
}

QString Posicion::ultimo(Lado quien)
{
    switch (quien) {
    case Lado::Cpu:
        return QStringLiteral("p1");
    case Lado::Humano:
        return QStringLiteral("p2");
    case Lado::Nadie:
        break;
    }
    return {};
}
