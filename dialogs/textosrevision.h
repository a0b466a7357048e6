// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "jugadasdelapartida.h"
#include "revisionjugada.h"

#include <QCoreApplication>
#include <QString>
#include <span>

// The review of a game in words.
class TextosRevision
{
    Q_DECLARE_TR_FUNCTIONS(TextosRevision)

public:
    // The human's chance to win the game before (or after) a move of either side, in percent.
    static double chanceHumano(const RevisionJugada &r, bool despues);
    // "dudosa", "error", "grave"; empty for a good move.
    static QString clase(ClaseJugada clase);
    // One move: "Tiras el 4 de bastos a la mesa. Tu probabilidad de ganar: del 62 % al 48 %.
    // Error: pierdes 14,0 puntos. Mejor: levantas el 5 de oros con el Rey de oros."
    static QString fila(const JugadaAnotada &jugada, const RevisionJugada &r);
    // The human's moves summed up: "3 errores, 1 grave; pérdida media 1,8 puntos por jugada".
    static QString resumen(std::span<const RevisionJugada> revisiones);
};
