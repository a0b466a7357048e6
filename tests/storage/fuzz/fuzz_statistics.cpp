// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the input as "estadisticas.json" through the game's own load. Nothing the player had
// is lost: a file that loads stays as it was, a damaged one is moved aside whole. Statistics
// that load are written back equal, and still load after one more game is counted into them.

#include "fuzzcheck.h"
#include "keptgamestats.h"
#include "statisticsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void checkWrittenBack(const QString &folder, Statistics statistics)
{
    StatisticsFile file(folder);
    FuzzCheck::require(file.save(statistics));
    StatisticsFile::Loaded back = file.load();
    FuzzCheck::require(!back.damaged && !back.unreadable && back.statistics == statistics);

    const QStringList players = statistics.players();
    KeptGameStats game(players.isEmpty() ? QStringLiteral("Player") : players.first(),
                       Statistics::kDificil);
    game.moveMade();
    game.handEnded(1, 23, 17);
    statistics.commit(game, GameResult::Lost);
    FuzzCheck::require(file.save(statistics));
    back = file.load();
    FuzzCheck::require(!back.damaged && back.statistics == statistics);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    FuzzCheck::require(folder.isValid());
    const QByteArray input = FuzzCheck::bytes(data, size);
    StatisticsFile file(folder.path());
    {
        QFile written(file.path());
        FuzzCheck::require(written.open(QIODevice::WriteOnly | QIODevice::Truncate)
                           && written.write(input) == input.size());
    }

    const StatisticsFile::Loaded loaded = file.load();
    FuzzCheck::require(!loaded.unreadable);
    if (loaded.damaged) {
        FuzzCheck::require(loaded.movedTo == file.damagedPath() && !QFile::exists(file.path())
                           && contents(loaded.movedTo) == input);
        FuzzCheck::require(QFile::remove(loaded.movedTo));
        return 0;
    }
    FuzzCheck::require(contents(file.path()) == input);
    checkWrittenBack(folder.path(), loaded.statistics);
    return 0;
}
