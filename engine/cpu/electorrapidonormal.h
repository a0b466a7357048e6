// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "movimientocompacto.h"
#include "posicioncompacta.h"

// The CPU's Normal play on the compact position, for tournaments: it looks
// only at its first hand card and takes, in this order, its own pile, the
// opponent's pile, every markable matching table card, or lays the card.
class ElectorRapidoNormal
{
public:
    static MovimientoCompacto elegir(const PosicionCompacta &p);
};
