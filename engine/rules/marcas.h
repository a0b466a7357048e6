// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// The groups of selection marks; mark i of a group refers to entry i of its list.
enum class GrupoMarca {
    CheckMesa, // table places, lamesa
    Checkp1, // the CPU's hand, player1
    Checkp2, // the human's hand, player2
    CheckMonton, // 0: the CPU's pile, 1: the human's pile
};

// The selection: the state of the board's check boxes.
struct Marcas
{
    static constexpr int kMesa = 7;
    static constexpr int kMano = 3;

    std::array<bool, kMesa> CheckMesa {};
    std::array<bool, kMano> Checkp1 {};
    std::array<bool, kMano> Checkp2 {};
    std::array<bool, 2> CheckMonton {};

    bool &de(GrupoMarca grupo, int i);
    bool de(GrupoMarca grupo, int i) const;
    // No mark a player sets: none on the table, the own hand or either pile.
    bool ninguna() const;

private:
    template<class Self> static decltype(auto) elegir(Self &self, GrupoMarca grupo, int i)
    {
        const auto n = static_cast<std::size_t>(i);
        switch (grupo) {
        case GrupoMarca::CheckMesa:
            return self.CheckMesa.at(n);
        case GrupoMarca::Checkp1:
            return self.Checkp1.at(n);
        case GrupoMarca::Checkp2:
            return self.Checkp2.at(n);
        case GrupoMarca::CheckMonton:
            break;
        }
        return self.CheckMonton.at(n);
    }
};

inline bool &Marcas::de(GrupoMarca grupo, int i)
{
    return elegir(*this, grupo, i);
}

inline bool Marcas::de(GrupoMarca grupo, int i) const
{
    return elegir(*this, grupo, i);
}

inline bool Marcas::ninguna() const
{
    const auto nada = [](const auto &grupo) {
        return std::none_of(grupo.begin(), grupo.end(), [](bool m) { return m; });
    };
    return nada(CheckMesa) && nada(Checkp2) && nada(CheckMonton);
}
