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

QList<int> RandomHuman::coincidencias(const GameState &estado, const QString &palo)
{
    QList<int> lugares;
    for (int j = 0; j < estado.lamesa.count() && j < Marcas::kMesa; ++j) {
        if (estado.palo(estado.lamesa.at(j)) == palo)
            lugares.append(j);
    }
    return lugares;
}

QList<RandomHuman::Movimiento> RandomHuman::legales(const GameState &estado, int slot)
{
    const QString &palo = estado.palo(estado.player2.at(slot));
    QList<Movimiento> movimientos { Movimiento::AlMonton };
    bool mesaConPalo = false;
    for (const QString &entrada : estado.lamesa.entradas())
        mesaConPalo = mesaConPalo || estado.palo(entrada) == palo;
    if (!mesaConPalo)
        movimientos.append(Movimiento::Tirar);
    if (!coincidencias(estado, palo).isEmpty())
        movimientos.append(Movimiento::LevantarMesa);
    if (!estado.player1Lev.isEmpty() && estado.palo(estado.player1Lev.at(0)) == palo)
        movimientos.append(Movimiento::LevantarMonton);
    return movimientos;
}

int RandomHuman::elegir(int n)
{
    const int k = static_cast<int>(n * m_azar.next());
    return k < n ? k : n - 1;
}

RandomHuman::Movimiento RandomHuman::jugar()
{
    const int slot = elegir(m_juego.estado().player2.count());
    const QList<Movimiento> movimientos = legales(m_juego.estado(), slot);
    const Movimiento m = movimientos.at(elegir(static_cast<int>(movimientos.size())));
    switch (m) {
    case Movimiento::Tirar:
        m_juego.Form_DragDrop(slot);
        break;
    case Movimiento::AlMonton:
        m_juego.montonimg_DragDrop(slot);
        break;
    case Movimiento::LevantarMesa:
        levantarMesa(slot);
        break;
    case Movimiento::LevantarMonton:
        m_juego.cartap2img_Click(slot);
        m_juego.montonimg_Click(0);
        m_juego.LevantarBtn_Click();
        break;
    }
    return m;
}

void RandomHuman::levantarMesa(int slot)
{
    const GameState &e = m_juego.estado();
    const QList<int> lugares = coincidencias(e, e.palo(e.player2.at(slot)));
    // Every non-empty subset of the matching places is equally likely.
    const int subconjuntos = (1 << lugares.size()) - 1;
    const int mascara = 1 + elegir(subconjuntos);
    m_juego.cartap2img_Click(slot);
    for (int k = 0; k < lugares.size(); ++k) {
        if (mascara & (1 << k))
            m_juego.mesaimg_Click(lugares.at(k));
    }
    m_juego.LevantarBtn_Click();
}
