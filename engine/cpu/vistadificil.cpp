// SPDX-License-Identifier: GPL-3.0-or-later

#include "vistadificil.h"

#include "gamestate.h"

#include <QStringList>
#include <bit>

namespace {

// The compact position counts cards from 0; the game's lists from 1.
std::int8_t idDeEntrada(CardId entrada)
{
    return static_cast<std::int8_t>(entrada - 1);
}

void copiarLista(const CardList &lista, std::int8_t *destino, int maximo, std::uint8_t &cuantas)
{
    const int n = lista.count() < maximo ? lista.count() : maximo;
    for (int i = 0; i < n; ++i)
        destino[i] = idDeEntrada(lista.at(i));
    cuantas = static_cast<std::uint8_t>(n);
}

std::uint64_t mascaraDe(const CardList &lista)
{
    std::uint64_t m = 0;
    for (int i = 0; i < lista.count(); ++i) {
        const int id = idDeEntrada(lista.at(i));
        if (id >= 0 && id < PosicionCompacta::kCartas)
            m |= PosicionCompacta::bit(id);
    }
    return m;
}

std::int8_t topeDe(const CardList &pila)
{
    return pila.isEmpty() ? PosicionCompacta::kNinguna : idDeEntrada(pila.at(0));
}

std::uint8_t tamano(int n)
{
    return static_cast<std::uint8_t>(n < 255 ? n : 255);
}

} // namespace

VistaDificil VistaDificil::desdePosicion(const PosicionCompacta &p, Lado lado)
{
    VistaDificil v;
    v.posicion = p;
    v.posicion.turno = lado;
    v.ocultar();
    return v;
}

VistaDificil VistaDificil::desdeEstado(const GameState &e, Lado lado)
{
    VistaDificil v;
    PosicionCompacta &p = v.posicion;
    QStringList palos;
    for (int n = 1; n <= PosicionCompacta::kCartas; ++n) {
        const QString &nombre = e.mazo.carta(n).palo();
        qsizetype i = palos.indexOf(nombre);
        if (i < 0) {
            i = palos.size();
            palos.append(nombre);
        }
        p.palo[static_cast<std::size_t>(n - 1)] = static_cast<std::uint8_t>(i);
    }
    for (const Lado s : kLados) {
        const bool cpu = s == Lado::Cpu;
        const CardList &pila = cpu ? e.player1Lev : e.player2Lev;
        copiarLista(cpu ? e.player1 : e.player2, p.mano[s].data(), PosicionCompacta::kMano,
                    p.enMano[s]);
        p.tope[s] = topeDe(pila);
        p.monton[s] = tamano(pila.count());
        p.puntos[s]
            = static_cast<std::uint8_t>(cpu ? e.jugadorCpu.puntos() : e.jugadorHumano.puntos());
    }
    copiarLista(e.lamesa, p.mesa.data(), PosicionCompacta::kCartas, p.enMesa);
    p.apiladas = mascaraDe(e.player1Lev) | mascaraDe(e.player2Lev);
    p.repartidas = e.cartasRepartidas;
    p.ultimo = e.ultimoEnLevantar;
    p.turno = lado;
    v.ocultar();
    return v;
}

void VistaDificil::ocultar()
{
    PosicionCompacta &p = posicion;
    p.mano[contrario(yo())].fill(PosicionCompacta::kNinguna);
    p.orden.fill(PosicionCompacta::kNinguna);
    ocultas = p.ocultasPara(yo());
}

std::uint64_t VistaDificil::huella() const
{
    const PosicionCompacta &p = posicion;
    // The sides enter the hash as the numbers they always did (the one who
    // looks: the CPU 0, the human 1; the last lifter: nobody 0, the CPU 1, the
    // human 2), so a seed still brings the same choices.
    std::uint64_t h = GeneradorDificil::combinar(indice(yo()), ocultas);
    h = GeneradorDificil::combinar(h, p.apiladas);
    for (int i = 0; i < p.enMano[yo()]; ++i)
        h = GeneradorDificil::combinar(h, static_cast<std::uint64_t>(p.mano[yo()][i]));
    for (int i = 0; i < p.enMesa; ++i)
        h = GeneradorDificil::combinar(h, static_cast<std::uint64_t>(p.mesa[i]));
    for (const Lado s : kLados) {
        const std::uint64_t paquete = static_cast<std::uint64_t>(p.tope[s] + 1)
            | std::uint64_t { p.monton[s] } << 8 | std::uint64_t { p.enMano[s] } << 16
            | std::uint64_t { p.puntos[s] } << 24;
        h = GeneradorDificil::combinar(h, paquete);
    }
    return GeneradorDificil::combinar(h,
                                      std::uint64_t { p.repartidas } << 8
                                          | static_cast<std::uint64_t>(numeroDeLado(p.ultimo)));
}

PosicionCompacta VistaDificil::determinizar(GeneradorDificil &azar) const
{
    PosicionCompacta p = posicion;
    std::array<std::int8_t, PosicionCompacta::kCartas> pool {};
    int n = 0;
    for (std::uint64_t m = ocultas; m != 0; m &= m - 1)
        pool[static_cast<std::size_t>(n++)] = static_cast<std::int8_t>(std::countr_zero(m));
    for (int i = n - 1; i > 0; --i)
        std::swap(pool[static_cast<std::size_t>(i)],
                  pool[static_cast<std::size_t>(azar.menorQue(i + 1))]);
    const Lado rival = contrario(yo());
    int dadas = 0;
    int hueco = 0;
    for (; hueco < p.enMano[rival]; ++hueco) {
        std::int8_t &carta = p.mano[rival][static_cast<std::size_t>(hueco)];
        if (carta != PosicionCompacta::kNinguna)
            continue;
        if (dadas == n)
            break;
        carta = pool[static_cast<std::size_t>(dadas++)];
    }
    p.enMano[rival] = static_cast<std::uint8_t>(hueco);
    // The rest is the undealt deck, however many cards the dealt count claims.
    const int resto = n - dadas;
    p.repartidas = static_cast<std::uint8_t>(PosicionCompacta::kCartas - resto);
    for (int i = 0; i < resto; ++i)
        p.orden[static_cast<std::size_t>(p.repartidas + i)]
            = pool[static_cast<std::size_t>(dadas + i)];
    return p;
}

void VistaDificil::verCartaRival(int hueco, CardId carta)
{
    const std::int8_t id = idDeEntrada(carta);
    posicion.mano[contrario(yo())][static_cast<std::size_t>(hueco)] = id;
    ocultas &= ~PosicionCompacta::bit(id);
}
