// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A card picture of the board: its group and its index, which is the position
// in the card list that it shows.
enum class GrupoImagen {
    cartap1img, // the CPU's hand
    cartap2img, // the human's hand
    mesaimg, // the table
    montonimg, // 0: the CPU's pile, 1: the human's pile
};

struct Imagen
{
    GrupoImagen grupo;
    int indice = 0;
    bool operator==(const Imagen &) const = default;
};
