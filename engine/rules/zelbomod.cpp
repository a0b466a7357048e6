// SPDX-License-Identifier: GPL-3.0-or-later

#include "zelbomod.h"

#include <algorithm>
#include <array>

namespace Zelbomod {

std::int16_t BuscarCarta(const CardList &lista, std::int16_t v)
{
    int i = 0;
    while (lista.at(i) != v && i <= lista.count() - 1)
        ++i;
    return lista.at(i) == v && i < lista.count() ? static_cast<std::int16_t>(i) : 0;
}

void Repartir(CardList &mesa, CardList &mano1, CardList &mano2, Mazo &cartas, std::uint8_t total,
              std::uint8_t &repartidas, bool &primero, std::uint8_t quota1, std::uint8_t quota2,
              std::uint8_t tableQuota, RandomSource &azar)
{
    // The deal stops when both hands have their cards or the deck is out; the
    // table's cards of a first deal come before the hands'.
    const int pedidas = quota1 + quota2 == 0
        ? 0
        : std::min({ (primero ? tableQuota : 0) + quota1 + quota2, total - repartidas, Mazo::kCartas });
    // Bit k - 1 for card k dealt: the draws skip them without a look at the deck.
    std::array<int, Mazo::kCartas> sacadas {};
    azar.enterosFuera(total, cartas.repartidas(), pedidas, sacadas.data());
    for (int i = 0; i < pedidas; ++i) {
        const int k = sacadas[static_cast<std::size_t>(i)] + 1;
        const auto entrada = static_cast<CardId>(k);
        if (primero && tableQuota > 0) {
            mesa.append(entrada);
            --tableQuota;
        } else {
            if (quota1 > 0) {
                mano1.append(entrada);
                --quota1;
            } else {
                mano2.append(entrada);
                --quota2;
            }
            primero = false;
        }
        cartas.a_repartida(k, true);
        ++repartidas;
    }
}

} // namespace Zelbomod
