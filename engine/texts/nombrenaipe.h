// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "classnaipe.h"

#include <QList>
#include <QString>

// Cards told in words, as a player names them: "Rey de oros", "el 5 de copas".
namespace NombreNaipe {

// "As", "Sota", "Caballo", "Rey" or the number.
QString figura(const classNaipe &carta);
// "Rey de oros".
QString nombre(const classNaipe &carta);
// "el Rey de oros", "la Sota de copas".
QString conArticulo(const classNaipe &carta);
// "del Rey de oros", "de la Sota de copas".
QString conDe(const classNaipe &carta);
// Several cards, the palo said once when they share it: "el 5 y el 7 de oros";
// otherwise each card in full, "el 5 de oros y el Rey de copas".
QString lista(const QList<const classNaipe *> &cartas);

} // namespace NombreNaipe
