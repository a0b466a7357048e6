// SPDX-License-Identifier: GPL-3.0-or-later

#include "bancodejuego.h"

#include "posicion.h"

#include <algorithm>

BancoDeJuego::BancoDeJuego(const QString &dir, quint64 semilla)
    : m_azar(semilla)
    , m_juego(dir, m_vista, m_dialogos, m_azar, m_ajustes)
{
    m_vista.setAlActualizar([this] {
        if (!m_primera) {
            m_primera = listas(m_juego.estado());
            m_avisosAlActualizar = m_dialogos.mensajes().size();
        }
    });
    m_juego.iniciar();
}

BancoDeJuego::Efecto BancoDeJuego::probar(const std::function<void(ZelboGame &)> &entrada)
{
    m_primera.reset();
    const qsizetype antes = m_dialogos.mensajes().size();
    entrada(m_juego);
    // The hand's end and the game's are told after the move.
    const qsizetype hasta = m_primera ? m_avisosAlActualizar : m_dialogos.mensajes().size();
    Efecto efecto { m_primera, {} };
    for (qsizetype i = antes; i < hasta; ++i)
        efecto.avisos << m_dialogos.mensajes().at(i).texto;
    return efecto;
}

bool BancoDeJuego::volver(const QString &posicion)
{
    m_juego.ordenar(OrdenDelJuego::Deshacer);
    return Posicion::texto(estado()) == posicion;
}

BancoDeJuego::Listas BancoDeJuego::listas(const GameState &e)
{
    return { Posicion::numeros(e.lamesa), Posicion::numeros(e.player1),
             Posicion::numeros(e.player2), Posicion::numeros(e.player1Lev),
             Posicion::numeros(e.player2Lev) };
}

BancoDeJuego::Listas BancoDeJuego::tras(const GameState &e, const Jugada &j)
{
    using Tipo = Jugada::Tipo;
    Listas l = listas(e);
    QList<int> &mesa = l[0];
    QList<int> &pilaCpu = l[3];
    QList<int> &pila = l[4];
    const int carta = l[2].takeAt(j.carta);
    QList<int> arriba { carta };
    switch (j.tipo) {
    case Tipo::Tirar:
        mesa.append(carta);
        return l;
    case Tipo::AlMonton:
        break;
    case Tipo::LevantarMonton:
        // The taken pile lies upside down under the hand card.
        for (int c : pilaCpu)
            arriba.insert(1, c);
        pilaCpu.clear();
        break;
    case Tipo::LevantarMesa:
        // The table card of the highest place ends on top.
        for (int lugar : j.mesa)
            arriba.prepend(mesa.at(lugar));
        for (auto it = j.mesa.rbegin(); it != j.mesa.rend(); ++it)
            mesa.removeAt(*it);
        break;
    }
    pila = arriba + pila;
    return l;
}

bool BancoDeJuego::iguales(const Listas &a, const Listas &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const QList<int> &x, const QList<int> &y) {
                          return std::equal(x.begin(), x.end(), y.begin(), y.end());
                      });
}
