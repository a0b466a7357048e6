#pragma once

#include "gamestate.h"
#include "imagen.h"
#include "jugada.h"

#include <array>
#include <optional>

// How the CPU shows a move before it is carried out: the marks it sets and the
// pictures it enlarges, each for its pause. A card onto its own pile is shown
// 1500 ms; a lift marks the hand card, then shows the human's pile 1000 ms or
// each marked table card 800 ms, then the hand card 1000 ms; a laid card is
// marked and shown 1000 ms.
struct PlanTurnoCpu
{
    // One beat of the turn: a mark to set, then a picture shown enlarged.
    struct Paso
    {
        std::optional<GrupoMarca> marca;
        int indiceMarca = 0;
        std::optional<Imagen> imagen;
        int milisegundos = 0;
    };

    // The hand mark, one beat per table place, the hand card.
    static constexpr int kMaxPasos = Marcas::kMesa + 2;

    // Kept inline: the CPU plans a turn at every move, and the simulator plays
    // hundreds of thousands of them a second. Left uninitialised past numPasos:
    // clearing all of it on every turn cost more than the turn's own rules.
    std::array<Paso, kMaxPasos> pasos;
    int numPasos = 0;

    const Paso *begin() const { return pasos.data(); }
    const Paso *end() const { return pasos.data() + numPasos; }

    static PlanTurnoCpu de(const Jugada &jugada);

private:
    // Written in place, field by field: a whole Paso built aside and copied in
    // stalled on its own partial writes.
    void agregar(std::optional<GrupoMarca> marca, int indiceMarca, std::optional<Imagen> imagen,
                 int milisegundos)
    {
        Paso &paso = pasos.at(static_cast<std::size_t>(numPasos++));
        paso.marca = marca;
        paso.indiceMarca = indiceMarca;
        paso.imagen = imagen;
        paso.milisegundos = milisegundos;
    }
};
