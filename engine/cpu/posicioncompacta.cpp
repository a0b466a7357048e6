// SPDX-License-Identifier: GPL-3.0-or-later

#include "posicioncompacta.h"

std::uint64_t PosicionCompacta::mascaraMano(Lado lado) const
{
    std::uint64_t m = 0;
    for (int i = 0; i < enMano[lado]; ++i)
        m |= bit(mano[lado][i]);
    return m;
}

std::uint64_t PosicionCompacta::mascaraMesa() const
{
    std::uint64_t m = 0;
    for (int i = 0; i < enMesa; ++i)
        m |= bit(mesa[i]);
    return m;
}

std::uint64_t PosicionCompacta::ocultasPara(Lado lado) const
{
    return kTodas & ~(mascaraMano(lado) | mascaraMesa() | apiladas);
}

void PosicionCompacta::aplicar(const MovimientoCompacto &m)
{
    const Lado s = turno;
    const Lado r = contrario(s);
    auto &mia = mano[s];
    const std::int8_t carta = mia[m.carta];
    for (int i = m.carta + 1; i < enMano[s]; ++i)
        mia[i - 1] = mia[i];
    --enMano[s];
    switch (m.tipo) {
    case Jugada::Tipo::AlMonton:
        apilar(s, carta);
        break;
    case Jugada::Tipo::LevantarMonton:
        // The taken pile lies beneath the hand card, which becomes the top.
        monton[s] = static_cast<std::uint8_t>(monton[s] + monton[r]);
        monton[r] = 0;
        tope[r] = kNinguna;
        apilar(s, carta);
        ultimo = s;
        break;
    case Jugada::Tipo::LevantarMesa:
        apilar(s, carta);
        levantarMesa(s, m.mesa);
        ultimo = s;
        break;
    case Jugada::Tipo::Tirar:
        mesa[enMesa++] = carta;
        break;
    }
    turno = r;
    if (enMano[Lado::Cpu] == 0 && enMano[Lado::Humano] == 0 && repartidas < kCartas)
        repartirManos();
}

void PosicionCompacta::levantarMesa(Lado lado, std::uint8_t lugares)
{
    // Lifted cards go on the pile in place order, so the highest place ends on top.
    int quedan = 0;
    for (int i = 0; i < enMesa; ++i) {
        if (i < kLugaresMesa && (lugares & (1U << i)))
            apilar(lado, mesa[i]);
        else
            mesa[quedan++] = mesa[i];
    }
    enMesa = static_cast<std::uint8_t>(quedan);
}

void PosicionCompacta::apilar(Lado lado, std::int8_t carta)
{
    tope[lado] = carta;
    ++monton[lado];
    apiladas |= bit(carta);
}

std::int8_t PosicionCompacta::robar()
{
    return orden[repartidas++];
}

void PosicionCompacta::repartirManos()
{
    for (const Lado s : kLados) {
        while (enMano[s] < kReparto && repartidas < kCartas)
            mano[s][enMano[s]++] = robar();
    }
}

void PosicionCompacta::nuevaMano(const std::array<std::int8_t, kCartas> &barajado)
{
    orden = barajado;
    repartidas = 0;
    enMano = {};
    enMesa = 0;
    tope = { { kNinguna, kNinguna } };
    monton = {};
    apiladas = 0;
    while (enMesa < kMesaInicial)
        mesa[enMesa++] = robar();
    repartirManos();
}

int PosicionCompacta::cerrarMano()
{
    if (ultimo != Lado::Nadie && enMesa > 0) {
        // The collected cards go beneath the pile: its top stays.
        if (tope[ultimo] == kNinguna)
            tope[ultimo] = mesa[0];
        monton[ultimo] = static_cast<std::uint8_t>(monton[ultimo] + enMesa);
        apiladas |= mascaraMesa();
        enMesa = 0;
    }
    return monton[Lado::Cpu] - monton[Lado::Humano];
}
