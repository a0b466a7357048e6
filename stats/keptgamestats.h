// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

// The hands of the game being played, waiting to be counted with the game when it ends.
// It travels with the kept game (toBytes), so a game kept on quitting and finished after a
// restart is counted once, with all its hands.
//
// Hands are keyed by their number within the game: ending hand 2 again (after an undo
// across its end, or after resuming a kept game saved before it ended) replaces its record
// instead of adding one. The game carries an identity of its own, so the statistics refuse
// to count the same game twice (e.g. when the program is killed after counting a game but
// before its kept copy was removed).
class KeptGameStats
{
public:
    enum class Hand { Won, Lost, Tied };

    struct HandRecord
    {
        Hand result = Hand::Tied;
        int humanPile = 0;
        int cpuPile = 0;
        friend bool operator==(const HandRecord &, const HandRecord &) = default;
    };

    // A fresh game of this player against this CPU level ("normal" or "dificil").
    KeptGameStats(const QString &player, const QString &level);

    const QString &id() const { return m_id; }
    const QString &player() const { return m_player; }
    const QString &level() const { return m_level; }
    const QMap<int, HandRecord> &hands() const { return m_hands; }

    // The human made a move: from now on leaving the game abandons it.
    void moveMade() { m_moved = true; }
    bool moved() const { return m_moved || !m_hands.isEmpty(); }

    // Hand number handNumber (1 for the game's first hand) ended with these piles, after
    // the table was collected; the larger pile wins it.
    void handEnded(int handNumber, int humanPile, int cpuPile);
    // The human left a hand, after moving in it, for a new one ("Nuevo"): it counts as
    // abandoned, so that a losing hand cannot be thrown away unseen.
    void handAbandoned() { ++m_abandonedHands; }
    int abandonedHands() const { return m_abandonedHands; }

    QByteArray toBytes() const;
    // Nothing for bytes that toBytes did not write.
    static std::optional<KeptGameStats> fromBytes(const QByteArray &bytes);

    friend bool operator==(const KeptGameStats &, const KeptGameStats &) = default;

private:
    KeptGameStats() = default;

    QString m_id;
    QString m_player;
    QString m_level;
    bool m_moved = false;
    QMap<int, HandRecord> m_hands;
    int m_abandonedHands = 0;
};
