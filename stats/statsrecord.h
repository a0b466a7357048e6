// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <QList>
#include <optional>

class KeptGameStats;

// How a counted game ended, seen from the human player.
enum class GameResult { Won, Lost, Abandoned };

// The figures of one player at one CPU level, or of several taken together: every game
// that ended adds to it once, with its hands.
struct StatsRecord
{
    // The chart shows this many games; older ones only count in the totals.
    static constexpr int kLastGames = 20;

    int partidas = 0;
    int ganadas = 0;
    int perdidas = 0;
    int abandonadas = 0;
    int manosGanadas = 0;
    int manosPerdidas = 0;
    int manosEmpatadas = 0;
    // Hands left for a new one after a move; a file written before they were counted has none.
    int manosAbandonadas = 0;
    int rachaActual = 0;
    int rachaMasLarga = 0;
    // The human's pile in the best hand the human won; 0 before any won hand.
    int mayorMonton = 0;
    // Oldest first, at most kLastGames.
    QList<GameResult> ultimas;

    // Won games over games played, 0 to 1; nothing before the first game.
    std::optional<double> shareWon() const;

    void add(GameResult result, const KeptGameStats &game);

    // The figures under the keys of the statistics file ("partidas", "ganadas" ...).
    QJsonObject toJson() const;
    // Nothing when a figure is missing, negative or not a whole number, or the totals
    // do not add up: such a file was not written by us.
    static std::optional<StatsRecord> fromJson(const QJsonObject &json);

    friend bool operator==(const StatsRecord &, const StatsRecord &) = default;
};
