// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// A side of the table, or nobody: whose turn it is, who lifted last, who
// moves, who won. Nadie only where nobody is a real answer (no turn before a
// game starts, no lift yet in a hand, nobody won).
// contrario and indice count on the CPU being 1 and the human 2.
enum class Lado : std::uint8_t { Nadie, Cpu, Humano };

// The two sides in the order the game serves them: the CPU first.
inline constexpr std::array<Lado, 2> kLados { Lado::Cpu, Lado::Humano };

// The other side; nobody has no other side and stays nobody.
constexpr Lado contrario(Lado lado)
{
    return lado == Lado::Nadie ? Lado::Nadie : static_cast<Lado>(3 - static_cast<int>(lado));
}

// A side's place in a pair of values, the CPU's first. Never asked of Nadie,
// which has no place.
constexpr std::size_t indice(Lado lado)
{
    return static_cast<std::size_t>(lado) - 1;
}

// One value for each side, read and written by the side.
template<class T> struct PorLado
{
    std::array<T, 2> valores {};

    constexpr T &operator[](Lado lado) { return valores[indice(lado)]; }
    constexpr const T &operator[](Lado lado) const { return valores[indice(lado)]; }

    friend constexpr bool operator==(const PorLado &, const PorLado &) = default;
};

// The number the files hold for a side: 0 nobody, 1 the CPU, 2 the human.
// Games kept by earlier versions hold these numbers, so they never change,
// whatever the order of the enumeration.
constexpr int numeroDeLado(Lado lado)
{
    switch (lado) {
    case Lado::Cpu:
        return 1;
    case Lado::Humano:
        return 2;
    case Lado::Nadie:
        break;
    }
    return 0;
}

// The side a file's number names, or nothing for a number no side has.
constexpr std::optional<Lado> ladoDeNumero(int numero)
{
    switch (numero) {
    case 0:
        return Lado::Nadie;
    case 1:
        return Lado::Cpu;
    case 2:
        return Lado::Humano;
    default:
        return std::nullopt;
    }
}
