// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The board's short sounds, one for each kind of event a player hears.
enum class Sonido {
    Carta, // a card laid on the table or put on the mover's own pile
    Levantar, // table cards lifted
    Monton, // the opponent's pile taken
    Reparto, // cards dealt
    Rechazo, // a move refused
    ManoGanada,
    ManoPerdida,
    PartidaGanada,
    PartidaPerdida,
};
