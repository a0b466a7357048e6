// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "aspectocartas.h"

#include <QString>

// Where the board finds the pictures of the look the player chose. The card set names the
// modern faces (naipes/); each other style has a folder of the same names beside it. The
// game's own back is dibujo.jpg in claret, or one of the other colours beside it; a picture
// the player chose for the back is always shown as it is.
class AspectoEnMesa
{
public:
    // The folder of faces the board reads, for PictureCache: empty for the card set's own.
    // The English game's modern figures are named in English, not in Spanish.
    static QString carpetaDeCaras(EstiloCaras estilo);
    // The back the board shows for the one the game asks for (the player's picture, or
    // dibujo.jpg in datos when the player chose none): the player's picture if any, the
    // game's own back of the chosen colour otherwise.
    static QString reverso(const QString &pedido, const QString &datos, ReversoIncluido incluido);
    // The pictures Opciones shows as samples: a figure of the style, a back of the colour.
    static QString muestraDeCara(const QString &datos, EstiloCaras estilo);
    static QString muestraDeReverso(const QString &datos, ReversoIncluido incluido);
    // Whether the game speaks English: the translation in force says so.
    static bool enIngles();
};
