// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the input as the kept game's side file, beside a fixed position file: "@DAT@" in the
// input stands for that file's checksum, so that inputs reach the fields past the entry's
// match. A game that loads must load back equal once kept again, and the hands it carries
// must read back as they were written. The input is also read as those hands alone.

#include "fuzzcheck.h"
#include "keptgamestats.h"
#include "keptgamestore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

namespace {
struct Folders
{
    QTemporaryDir read;
    QTemporaryDir written;
    QByteArray checksum;
};

Folders &folders()
{
    static Folders folders = [] {
        Folders made;
        QFile dat(QStringLiteral(FUZZ_KEPT_DAT));
        FuzzCheck::require(made.read.isValid() && made.written.isValid()
                           && dat.open(QIODevice::ReadOnly));
        const QByteArray bytes = dat.readAll();
        made.checksum = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
        QFile copy(KeptGameStore(made.read.path()).datPath());
        FuzzCheck::require(copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size());
        return made;
    }();
    return folders;
}

void checkHands(const QByteArray &bytes)
{
    const std::optional<KeptGameStats> game = KeptGameStats::fromBytes(bytes);
    if (!game)
        return;
    const std::optional<KeptGameStats> again = KeptGameStats::fromBytes(game->toBytes());
    FuzzCheck::require(again && *again == *game);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = FuzzCheck::bytes(data, size);
    checkHands(input);

    Folders &f = folders();
    const KeptGameStore store(f.read.path());
    QFile side(store.sidePath());
    const QByteArray bytes = QByteArray(input).replace("@DAT@", f.checksum);
    FuzzCheck::require(side.open(QIODevice::WriteOnly | QIODevice::Truncate)
                       && side.write(bytes) == bytes.size());
    side.close();

    const KeptGameStore::Loaded loaded = store.load();
    FuzzCheck::require(loaded.game.has_value() == (loaded.status == KeptGameStore::Status::Found));
    if (!loaded.game)
        return 0;
    checkHands(loaded.game->estadisticas);
    const KeptGameStore copy(f.written.path());
    FuzzCheck::require(copy.save(*loaded.game));
    const KeptGameStore::Loaded back = copy.load();
    FuzzCheck::require(back.status == KeptGameStore::Status::Found && back.game == loaded.game);
    return 0;
}
