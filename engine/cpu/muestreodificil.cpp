// SPDX-License-Identifier: GPL-3.0-or-later

#include "muestreodificil.h"

#include "eleccionmuestreada.h"

namespace {

// A won hand counts 1; the pile difference, scaled to the deck, only breaks
// near ties between moves that win equally often.
constexpr double kPesoDiferencia = 0.25 / PosicionCompacta::kCartas;

} // namespace

MuestreoDificil::MuestreoDificil(int muestras)
    : m_muestras(muestras)
{
}

MovimientoCompacto MuestreoDificil::elegirCompacto(const VistaDificil &vista,
                                                   std::uint64_t semilla) const
{
    return EleccionMuestreada::elegir(vista, semilla, m_muestras, [](int diferencia) {
        return (diferencia > 0) - (diferencia < 0) + kPesoDiferencia * diferencia;
    });
}

Jugada MuestreoDificil::elegir(const VistaDificil &vista, std::uint64_t semilla) const
{
    return elegirCompacto(vista, semilla).comoJugada();
}

Jugada MuestreoDificil::elegir(const GameState &estado, Lado lado, std::uint64_t semilla) const
{
    return elegir(VistaDificil::desdeEstado(estado, lado), semilla);
}
