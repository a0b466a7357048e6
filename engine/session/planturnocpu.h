// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"
#include "imagen.h"
#include "jugada.h"
#include "lado.h"

#include <cstdint>
#include <optional>

// How the CPU shows a move before it is carried out: the marks it sets and the
// pictures it enlarges, each for its pause. A card onto its own pile is shown
// 1500 ms; a lift marks the hand card, then shows the human's pile 1000 ms or
// each marked table card 800 ms, then the hand card 1000 ms; a laid card is
// marked and shown 1000 ms.
//
// The plan keeps only what the move is (its kind, hand slot and table places)
// and works each beat out when it is reached: the CPU plans a turn at every
// move, and a table of beats filled in advance cost more than the turn's rules.
class PlanTurnoCpu
{
public:
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

    // For a legal move: its table places are ascending and on the board. The demonstration
    // plays the human's seat too, with the same beats on that seat's hand and pile.
    static PlanTurnoCpu de(const Jugada &jugada, Lado lado = Lado::Cpu);

    int numPasos() const { return m_numPasos; }
    // Beat i, from 0 to numPasos() - 1.
    Paso paso(int i) const;

    class Iterador
    {
    public:
        Iterador(const PlanTurnoCpu &plan, int i)
            : m_plan(&plan)
            , m_i(i)
        {
        }
        Paso operator*() const { return m_plan->paso(m_i); }
        Iterador &operator++()
        {
            ++m_i;
            return *this;
        }
        bool operator==(const Iterador &otro) const = default;

    private:
        const PlanTurnoCpu *m_plan;
        int m_i;
    };
    Iterador begin() const { return { *this, 0 }; }
    Iterador end() const { return { *this, m_numPasos }; }

private:
    Jugada::Tipo m_tipo = Jugada::Tipo::Tirar;
    int m_carta = 0;
    std::uint8_t m_lugares = 0; // bit i: table place i is lifted
    bool m_humano = false;
    int m_numPasos = 0;
};
