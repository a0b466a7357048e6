// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the input as a saved game. Whatever reads must hold values a game can hold, and must
// read back equal once written again (names as the writer stores them).

#include "fuzzcheck.h"
#include "itemreader.h"
#include "savedgamefile.h"

#include <QBuffer>
#include <QLocale>
#include <limits>

namespace {
std::optional<SavedGame> gameOf(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return SavedGameFile::read(buffer);
}

// Entries are kept in one form: the plain decimal text of a number.
bool isEntry(const QString &entry)
{
    const std::optional<double> number = ItemReader::leadingNumber(entry);
    return number && QString::number(*number, 'f', QLocale::FloatingPointShortest) == entry;
}

void checkValues(const SavedGame &game)
{
    for (const QStringList *list :
         { &game.lamesa, &game.player1, &game.player1Lev, &game.player2, &game.player2Lev }) {
        FuzzCheck::require(list->size() <= SavedGameFile::kMaxCards);
        for (const QString &entry : *list) {
            FuzzCheck::require(isEntry(entry));
        }
    }
    FuzzCheck::require(game.repartidas.size() <= SavedGameFile::kMaxCards);
    FuzzCheck::require(game.cartasRepartidas >= 0 && game.cartasRepartidas <= 255);
    for (const int points : { game.puntosCpu, game.puntosHumano }) {
        FuzzCheck::require(points >= std::numeric_limits<qint16>::min()
                           && points <= std::numeric_limits<qint16>::max());
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<SavedGame> game = gameOf(FuzzCheck::bytes(data, size));
    if (!game) {
        return 0;
    }
    checkValues(*game);

    QBuffer written;
    written.open(QIODevice::WriteOnly);
    SavedGameFile::write(written, *game);
    SavedGame expected = *game;
    expected.nombreCpu = FuzzCheck::asWritten(expected.nombreCpu);
    expected.nombreHumano = FuzzCheck::asWritten(expected.nombreHumano);
    const std::optional<SavedGame> again = gameOf(written.data());
    FuzzCheck::require(again && *again == expected);
    return 0;
}
