// SPDX-License-Identifier: GPL-3.0-or-later

#include "classplayer.h"

#include "overflowerror.h"

#include <limits>

void classPlayer::a_puntos(const std::int16_t &modifica)
{
    if (modifica < 0 || modifica > std::numeric_limits<std::uint8_t>::max())
        throw OverflowError(tr("Desbordamiento: %1 no cabe en los puntos").arg(modifica));
    m_puntos = static_cast<std::uint8_t>(modifica);
}
