// SPDX-License-Identifier: GPL-3.0-or-later

#include "keptgamestats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace {

// A deck has 40 cards: no pile of a real hand holds more.
bool isPile(const QJsonValue &value)
{
    return value.isDouble() && value.toInt(-1) >= 0 && value.toInt(-1) <= 40
        && value.toDouble() == value.toInt();
}

} // namespace

KeptGameStats::KeptGameStats(const QString &player, const QString &level)
    : m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
    , m_player(player)
    , m_level(level)
{
}

void KeptGameStats::handEnded(int handNumber, int humanPile, int cpuPile)
{
    Hand result = Hand::Tied;
    if (humanPile > cpuPile)
        result = Hand::Won;
    else if (humanPile < cpuPile)
        result = Hand::Lost;
    m_hands.insert(handNumber, { result, humanPile, cpuPile });
}

QByteArray KeptGameStats::toBytes() const
{
    QJsonArray hands;
    for (auto it = m_hands.cbegin(); it != m_hands.cend(); ++it) {
        hands.append(QJsonObject { { QStringLiteral("mano"), it.key() },
                                   { QStringLiteral("monton"), it->humanPile },
                                   { QStringLiteral("monton_cpu"), it->cpuPile } });
    }
    const QJsonObject json { { QStringLiteral("id"), m_id },
                             { QStringLiteral("jugador"), m_player },
                             { QStringLiteral("nivel"), m_level },
                             { QStringLiteral("movida"), m_moved },
                             { QStringLiteral("manos"), hands },
                             { QStringLiteral("manos_abandonadas"), m_abandonedHands } };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

std::optional<KeptGameStats> KeptGameStats::fromBytes(const QByteArray &bytes)
{
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    const QJsonValue id = json.value(QStringLiteral("id"));
    const QJsonValue player = json.value(QStringLiteral("jugador"));
    const QJsonValue level = json.value(QStringLiteral("nivel"));
    const QJsonValue moved = json.value(QStringLiteral("movida"));
    const QJsonValue hands = json.value(QStringLiteral("manos"));
    // Games kept before hands could be abandoned have none.
    const QJsonValue abandoned = json.value(QStringLiteral("manos_abandonadas"));
    if (!id.isString() || id.toString().isEmpty() || !player.isString() || !level.isString()
        || !moved.isBool() || !hands.isArray()
        || !(abandoned.isUndefined() || abandoned.toInt(-1) >= 0))
        return std::nullopt;
    KeptGameStats game;
    game.m_id = id.toString();
    game.m_player = player.toString();
    game.m_level = level.toString();
    game.m_moved = moved.toBool();
    game.m_abandonedHands = abandoned.toInt(0);
    for (const QJsonValue &item : hands.toArray()) {
        const QJsonObject hand = item.toObject();
        const int number = hand.value(QStringLiteral("mano")).toInt(0);
        const QJsonValue humanPile = hand.value(QStringLiteral("monton"));
        const QJsonValue cpuPile = hand.value(QStringLiteral("monton_cpu"));
        if (number < 1 || !isPile(humanPile) || !isPile(cpuPile) || game.m_hands.contains(number))
            return std::nullopt;
        game.handEnded(number, humanPile.toInt(), cpuPile.toInt());
    }
    return game;
}
