// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mazo.h"

#include <QString>

// Fills the deck in place from the card set naipe40.db in programDir: row n of
// table naipe40 becomes card n. Columns are read by position: 1 the number,
// 2 the picture name (relative to programDir), 3 the palo, 4 the dealt flag.
// Throws CardSetError when the file or table cannot be read, a value does not
// convert, or the set would break the deal (fewer than 40 rows, an empty palo
// or picture name, a card already marked as dealt). Rows past the 40th are ignored.
void CargarMazo(Mazo &mazo, const QString &programDir);
