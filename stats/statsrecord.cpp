// SPDX-License-Identifier: GPL-3.0-or-later

#include "statsrecord.h"

#include "keptgamestats.h"

#include <QJsonArray>
#include <array>
#include <cmath>
#include <utility>

namespace {

// The file's word for each result, in the order of GameResult.
constexpr std::array kResultNames { u"ganada", u"perdida", u"abandonada" };

QString resultName(GameResult result)
{
    return QString::fromUtf16(kResultNames.at(static_cast<std::size_t>(result)));
}

std::optional<GameResult> resultFromName(const QString &name)
{
    for (std::size_t i = 0; i < kResultNames.size(); ++i) {
        if (name == QString::fromUtf16(kResultNames.at(i)))
            return static_cast<GameResult>(i);
    }
    return std::nullopt;
}

// No player counts this many games or hands; below it, the counting of a run never overflows.
constexpr int kMaxCount = 1'000'000'000;

std::optional<int> count(const QJsonObject &json, const char *key)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number < 0 || number > kMaxCount || std::floor(number) != number)
        return std::nullopt;
    return static_cast<int>(number);
}

// Counted since a later release: a file without it still reads.
constexpr const char *kAbandonedHands = "manos_abandonadas";

// The figures and their keys, so reading and writing cannot drift apart.
template<typename Record> auto fields(Record &r)
{
    return std::array {
        std::pair { "partidas", &r.partidas },
        std::pair { "ganadas", &r.ganadas },
        std::pair { "perdidas", &r.perdidas },
        std::pair { "abandonadas", &r.abandonadas },
        std::pair { "manos_ganadas", &r.manosGanadas },
        std::pair { "manos_perdidas", &r.manosPerdidas },
        std::pair { "manos_empatadas", &r.manosEmpatadas },
        std::pair { "racha_actual", &r.rachaActual },
        std::pair { "racha_mas_larga", &r.rachaMasLarga },
        std::pair { "mayor_monton", &r.mayorMonton },
    };
}

bool addsUp(const StatsRecord &r)
{
    return qint64 { r.partidas } == qint64 { r.ganadas } + r.perdidas + r.abandonadas
        && r.rachaActual <= r.rachaMasLarga && r.rachaMasLarga <= r.ganadas
        && r.ultimas.size() <= std::min<qsizetype>(r.partidas, StatsRecord::kLastGames)
        && (r.mayorMonton == 0) == (r.manosGanadas == 0);
}

} // namespace

std::optional<double> StatsRecord::shareWon() const
{
    if (partidas == 0)
        return std::nullopt;
    return static_cast<double>(ganadas) / partidas;
}

void StatsRecord::add(GameResult result, const KeptGameStats &game)
{
    ++partidas;
    switch (result) {
    case GameResult::Won:
        ++ganadas;
        rachaMasLarga = std::max(rachaMasLarga, ++rachaActual);
        break;
    case GameResult::Lost:
        ++perdidas;
        rachaActual = 0;
        break;
    case GameResult::Abandoned:
        ++abandonadas;
        rachaActual = 0;
        break;
    }
    for (const KeptGameStats::HandRecord &hand : game.hands()) {
        switch (hand.result) {
        case KeptGameStats::Hand::Won:
            ++manosGanadas;
            mayorMonton = std::max(mayorMonton, hand.humanPile);
            break;
        case KeptGameStats::Hand::Lost:
            ++manosPerdidas;
            break;
        case KeptGameStats::Hand::Tied:
            ++manosEmpatadas;
            break;
        }
    }
    manosAbandonadas += game.abandonedHands();
    ultimas.append(result);
    if (ultimas.size() > kLastGames)
        ultimas.removeFirst();
}

QJsonObject StatsRecord::toJson() const
{
    QJsonObject json;
    for (const auto &[key, value] : fields(*this))
        json.insert(QLatin1String(key), *value);
    json.insert(QLatin1String(kAbandonedHands), manosAbandonadas);
    QJsonArray last;
    for (const GameResult result : ultimas)
        last.append(resultName(result));
    json.insert(QStringLiteral("ultimas"), last);
    return json;
}

std::optional<StatsRecord> StatsRecord::fromJson(const QJsonObject &json)
{
    StatsRecord r;
    for (const auto &[key, value] : fields(r)) {
        const std::optional<int> number = count(json, key);
        if (!number)
            return std::nullopt;
        *value = *number;
    }
    if (json.contains(QLatin1String(kAbandonedHands))) {
        const std::optional<int> abandoned = count(json, kAbandonedHands);
        if (!abandoned)
            return std::nullopt;
        r.manosAbandonadas = *abandoned;
    }
    const QJsonValue last = json.value(QStringLiteral("ultimas"));
    if (!last.isArray())
        return std::nullopt;
    for (const QJsonValue &item : last.toArray()) {
        const std::optional<GameResult> result = resultFromName(item.toString());
        if (!result)
            return std::nullopt;
        r.ultimas.append(*result);
    }
    if (!addsUp(r))
        return std::nullopt;
    return r;
}
