#pragma once

#include "gamestate.h"
#include "imagen.h"
#include "jugada.h"

#include <optional>
#include <vector>

// What the CPU does on its turn, decided from its first hand card alone and a
// fixed order of preference: onto its own pile when that pile's top matches;
// else take the human's pile when its top matches; else lift every matching
// table card; else lay the card on the table.
struct PlanTurnoCpu
{
    enum class Jugada { AlMonton, Levantar, TirarCarta };

    // One beat of the turn: a mark to set, then a picture shown enlarged.
    struct Paso
    {
        std::optional<GrupoMarca> marca;
        int indiceMarca = 0;
        std::optional<Imagen> imagen;
        int milisegundos = 0;
    };

    Jugada jugada = Jugada::TirarCarta;
    std::vector<Paso> pasos;

    static PlanTurnoCpu elegir(const GameState &estado);
    // The move by places, read from the marks the plan sets.
    ::Jugada comoJugada() const;
};
