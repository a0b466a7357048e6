// SPDX-License-Identifier: GPL-3.0-or-later

#include "cardlist.h"

void CardList::demasiadas()
{
    throw std::length_error("CardList: more than 40 cards");
}
