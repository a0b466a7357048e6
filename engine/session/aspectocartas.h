// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

// How the cards look: the faces' style, and the back the game draws, shown whenever the
// player has not chosen a picture of their own for the back.
enum class EstiloCaras { Moderno, Tradicional };
enum class ReversoIncluido { Granate, Azul, Verde };

// The words the player's settings keep for each look.
class AspectoCartas
{
public:
    static QString clave(EstiloCaras estilo);
    static std::optional<EstiloCaras> estiloDeClave(const QString &clave);
    static QString clave(ReversoIncluido reverso);
    static std::optional<ReversoIncluido> reversoDeClave(const QString &clave);
};
