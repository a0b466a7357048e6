// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statsrecord.h"

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

class KeptGameStats;

// Every counted game, per player name and CPU level, and taken together. Each game adds
// to four records at once (its player at its level, its player at all levels, everybody at
// its level, everybody), so the streaks and the last games of a combined view follow the
// order the games were really played in.
class Statistics
{
public:
    static inline const QString kNormal = QStringLiteral("normal");
    static inline const QString kDificil = QStringLiteral("dificil");

    // Counts a game that ended. An abandoned game in which the human never moved is not
    // counted, nor is a game already counted (same identity). Returns whether it counted.
    bool commit(const KeptGameStats &game, GameResult result);
    // Whether the game of this identity was counted (among the last ones).
    bool hasCounted(const QString &id) const { return m_counted.contains(id); }

    // player empty: every player; level empty: every level. An unknown name or level gives
    // empty figures.
    StatsRecord record(const QString &player = {}, const QString &level = {}) const;
    // Sorted as the window lists them.
    QStringList players() const;
    bool isEmpty() const { return m_players.isEmpty(); }
    void clear();

    // {"jugadores": {name: {figures of all levels..., "niveles": {level: {figures}}}},
    //  "todos": {...the same for everybody...}, "contadas": [identities]}
    QJsonObject toJson() const;
    static std::optional<Statistics> fromJson(const QJsonObject &json);

    friend bool operator==(const Statistics &, const Statistics &) = default;

private:
    struct Figures
    {
        StatsRecord all;
        QMap<QString, StatsRecord> levels;
        void add(const QString &level, GameResult result, const KeptGameStats &game);
        QJsonObject toJson() const;
        static std::optional<Figures> fromJson(const QJsonObject &json);
        friend bool operator==(const Figures &, const Figures &) = default;
    };

    // Enough to recognise a game counted again after a crash: such a game can only be the
    // one kept last.
    static constexpr int kRememberedGames = 50;

    QMap<QString, Figures> m_players;
    Figures m_everybody;
    QStringList m_counted;
};
