#pragma once

#include "randomsource.h"

#include <cstdint>
#include <random>

class MersenneRandom : public RandomSource
{
public:
    explicit MersenneRandom(std::uint64_t semilla);
    static std::uint64_t semillaDelReloj();
    double next() override;

private:
    std::mt19937_64 m_generador;
    std::uniform_real_distribution<double> m_uniforme { 0.0, 1.0 };
};
