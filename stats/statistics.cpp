// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics.h"

#include "keptgamestats.h"

#include <QCollator>
#include <QJsonArray>
#include <algorithm>

namespace {

const QString kLevels = QStringLiteral("niveles");

} // namespace

void Statistics::Figures::add(const QString &level, GameResult result, const KeptGameStats &game)
{
    all.add(result, game);
    levels[level].add(result, game);
}

QJsonObject Statistics::Figures::toJson() const
{
    QJsonObject json = all.toJson();
    QJsonObject perLevel;
    for (auto it = levels.cbegin(); it != levels.cend(); ++it)
        perLevel.insert(it.key(), it->toJson());
    json.insert(kLevels, perLevel);
    return json;
}

std::optional<Statistics::Figures> Statistics::Figures::fromJson(const QJsonObject &json)
{
    const std::optional<StatsRecord> all = StatsRecord::fromJson(json);
    const QJsonValue perLevel = json.value(kLevels);
    if (!all || !perLevel.isObject())
        return std::nullopt;
    Figures figures { *all, {} };
    const QJsonObject levels = perLevel.toObject();
    for (auto it = levels.constBegin(); it != levels.constEnd(); ++it) {
        const std::optional<StatsRecord> record = StatsRecord::fromJson(it->toObject());
        if (!record)
            return std::nullopt;
        figures.levels.insert(it.key(), *record);
    }
    return figures;
}

bool Statistics::commit(const KeptGameStats &game, GameResult result)
{
    if (m_counted.contains(game.id()))
        return false;
    if (result == GameResult::Abandoned && !game.moved())
        return false;
    m_players[game.player()].add(game.level(), result, game);
    m_everybody.add(game.level(), result, game);
    m_counted.append(game.id());
    while (m_counted.size() > kRememberedGames)
        m_counted.removeFirst();
    return true;
}

StatsRecord Statistics::record(const QString &player, const QString &level) const
{
    const Figures figures = player.isEmpty() ? m_everybody : m_players.value(player);
    return level.isEmpty() ? figures.all : figures.levels.value(level);
}

QStringList Statistics::players() const
{
    QStringList names = m_players.keys();
    QCollator collator { QLocale(QLocale::Spanish, QLocale::Spain) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::ranges::sort(names, collator);
    return names;
}

void Statistics::clear()
{
    // The identities stay: a game counted before the reset must not count again after it.
    m_players.clear();
    m_everybody = {};
}

QJsonObject Statistics::toJson() const
{
    QJsonObject players;
    for (auto it = m_players.cbegin(); it != m_players.cend(); ++it)
        players.insert(it.key(), it->toJson());
    return { { QStringLiteral("jugadores"), players },
             { QStringLiteral("todos"), m_everybody.toJson() },
             { QStringLiteral("contadas"), QJsonArray::fromStringList(m_counted) } };
}

std::optional<Statistics> Statistics::fromJson(const QJsonObject &json)
{
    const QJsonValue players = json.value(QStringLiteral("jugadores"));
    const QJsonValue counted = json.value(QStringLiteral("contadas"));
    const std::optional<Figures> everybody
        = Figures::fromJson(json.value(QStringLiteral("todos")).toObject());
    if (!players.isObject() || !counted.isArray() || !everybody)
        return std::nullopt;
    Statistics statistics;
    statistics.m_everybody = *everybody;
    const QJsonObject byName = players.toObject();
    for (auto it = byName.constBegin(); it != byName.constEnd(); ++it) {
        const std::optional<Figures> figures = Figures::fromJson(it->toObject());
        if (!figures)
            return std::nullopt;
        statistics.m_players.insert(it.key(), *figures);
    }
    for (const QJsonValue &id : counted.toArray()) {
        if (!id.isString())
            return std::nullopt;
        statistics.m_counted.append(id.toString());
    }
    return statistics;
}
