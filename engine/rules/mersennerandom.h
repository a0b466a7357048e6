// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generadormt64.h"
#include "randomsource.h"

#include <cstdint>
#include <string>

// The game's generator. A draw is made from the generator's raw bits with
// integer arithmetic only, so a seed gives the same draws with every C++
// library (the standard distributions may differ between them).
class MersenneRandom final : public RandomSource
{
public:
    explicit MersenneRandom(std::uint64_t semilla);
    static std::uint64_t semillaDelReloj();
    // The top 53 bits of one raw draw, scaled exactly into [0, 1).
    double next() override { return siguiente(); }
    void enterosFuera(int n, std::uint64_t excluidos, int cuantos, int *salida) override;
    void sembrar(std::uint64_t semilla) override;

    // The generator's whole state as text, and back: a game restored with it
    // draws what the saved one would have drawn. restaurar returns false, and
    // changes nothing, for a text that is not such a state.
    std::string estado() const override;
    bool restaurar(const std::string &estado) override;

private:
    static constexpr double kDosALaMenos53 = 1.0 / 9007199254740992.0;

    double siguiente() { return static_cast<double>(m_generador() >> 11) * kDosALaMenos53; }

    GeneradorMt64 m_generador;
};
