// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gamestate.h"

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

// The positions where the human's turns began, back to the start of the
// current game, for undo and redo. Each keeps everything the game will go on
// from, the dealing generator's state too, so a position taken back plays on
// exactly as it did: the same move brings the same reply and the same deal.
class HistorialDeshacer
{
public:
    struct Foto
    {
        GameState estado;
        std::string azar;
        QStringList jugadas; // the history lines of the current game
        // The last of jugadas tells the CPU's move, the one this turn answers.
        bool trasCpu = false;
        // The position as the kept game writes it, made once when it is noted; empty for
        // one the saved-game format cannot hold.
        QByteArray guardada = {};
    };

    void olvidar();
    // A human turn reached by play: the positions undone before it are gone.
    void anotar(Foto foto);
    bool puedeDeshacer() const { return m_actual > 0; }
    bool puedeRehacer() const { return m_actual + 1 < m_fotos.size(); }
    // The position to go back (or forward) to; nothing when there is none.
    const Foto *deshacer();
    const Foto *rehacer();
    // The position the game is at; nothing before the first was noted.
    const Foto *actual() const { return m_fotos.empty() ? nullptr : &m_fotos.at(m_actual); }

    // The whole history, the positions ahead of the current one too, as the kept game
    // carries it between runs; empty when nothing was noted.
    QByteArray aBytes() const;
    // The history aBytes wrote, its positions built on base (which holds the deck); nothing
    // for bytes that are not such a history or hold a position the game cannot go on from.
    static std::optional<HistorialDeshacer> deBytes(const QByteArray &bytes, const GameState &base);

private:
    QByteArray comoJson() const;

    std::vector<Foto> m_fotos;
    std::size_t m_actual = 0;
};
