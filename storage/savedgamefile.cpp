// SPDX-License-Identifier: GPL-3.0-or-later

#include "savedgamefile.h"

#include "atomicsave.h"
#include "itemfileerror.h"
#include "itemreader.h"
#include "itemwriter.h"
#include "regularfile.h"
#include "storagelog.h"

#include <QFile>
#include <QLocale>
#include <array>
#include <cmath>
#include <limits>

namespace {
// Closes every section of the file.
constexpr QStringView kTerminator = u"otro";

std::array<const QStringList *, 5> cardLists(const SavedGame &game)
{
    return { &game.lamesa, &game.player1, &game.player1Lev, &game.player2, &game.player2Lev };
}

std::array<QStringList *, 5> cardLists(SavedGame &game)
{
    return { &game.lamesa, &game.player1, &game.player1Lev, &game.player2, &game.player2Lev };
}

QString entryFromItem(const QString &item)
{
    const std::optional<double> number = ItemReader::leadingNumber(item);
    if (!number) {
        return QStringLiteral("0");
    }
    return QString::number(*number, 'f', QLocale::FloatingPointShortest);
}

QStringList readList(ItemReader &reader)
{
    QStringList list;
    for (QString item = reader.readText(); item != kTerminator; item = reader.readText()) {
        if (list.size() == SavedGameFile::kMaxCards) {
            throw ItemFileError(QStringLiteral("a card list holds more than 40 cards"));
        }
        list.append(entryFromItem(item));
    }
    return list;
}

// Each flag is read as text first, since only the text tells the terminator from a flag.
QList<bool> readFlags(ItemReader &reader)
{
    QList<bool> flags;
    for (QString item = reader.readText(); item != kTerminator; item = reader.readText()) {
        const std::optional<bool> flag = ItemReader::boolValue(item);
        if (!flag) {
            throw ItemFileError(QStringLiteral("a deck flag is not a boolean"));
        }
        if (flags.size() == SavedGameFile::kMaxCards) {
            throw ItemFileError(QStringLiteral("the deck holds more than 40 flags"));
        }
        flags.append(*flag);
    }
    return flags;
}

int readCardCount(ItemReader &reader)
{
    const std::optional<double> number = ItemReader::leadingNumber(reader.readText());
    const double count = number ? std::round(*number) : -1;
    if (count < 0 || count > 255) {
        throw ItemFileError(QStringLiteral("the dealt-card count is not a number from 0 to 255"));
    }
    return static_cast<int>(count);
}

int readPoints(ItemReader &reader)
{
    const qint32 points = reader.readInt32();
    if (points < std::numeric_limits<qint16>::min()
        || points > std::numeric_limits<qint16>::max()) {
        throw ItemFileError(QStringLiteral("points outside the 16-bit range"));
    }
    return points;
}

// The single values of the last six sections. Before each value but the first stands the
// terminator of the section before it, skipped unread.
void readTail(ItemReader &reader, SavedGame &game)
{
    game.primerReparto = reader.readBool();
    reader.readText();
    game.cartasRepartidas = readCardCount(reader);
    reader.readText();
    game.nombreCpu = reader.readText();
    reader.readText();
    game.puntosCpu = readPoints(reader);
    reader.readText();
    game.nombreHumano = reader.readText();
    reader.readText();
    game.puntosHumano = readPoints(reader);
}
} // namespace

void SavedGameFile::write(QIODevice &device, const SavedGame &game)
{
    ItemWriter writer(device);
    const QString terminator = kTerminator.toString();
    for (const QStringList *list : cardLists(game)) {
        for (const QString &entry : *list) {
            writer.writeText(entry);
        }
        writer.writeText(terminator);
    }
    for (const bool flag : game.repartidas) {
        writer.writeBool(flag);
    }
    writer.writeText(terminator);
    writer.writeBool(game.primerReparto);
    writer.writeText(terminator);
    writer.writeNumber(game.cartasRepartidas);
    writer.writeText(terminator);
    writer.writeText(game.nombreCpu);
    writer.writeText(terminator);
    writer.writeNumber(game.puntosCpu);
    writer.writeText(terminator);
    writer.writeText(game.nombreHumano);
    writer.writeText(terminator);
    writer.writeNumber(game.puntosHumano);
    writer.writeText(terminator);
    if (!writer.ok()) {
        throw ItemFileError(QStringLiteral("the game could not be written"));
    }
}

bool SavedGameFile::save(const QString &path, const SavedGame &game)
{
    return AtomicSave::save(path, [&game](QIODevice &device) { write(device, game); });
}

std::optional<SavedGame> SavedGameFile::read(QIODevice &device, QString *reason)
{
    ItemReader reader(device);
    try {
        SavedGame game;
        for (QStringList *list : cardLists(game)) {
            *list = readList(reader);
        }
        game.repartidas = readFlags(reader);
        readTail(reader, game);
        return game;
    } catch (const ItemFileError &e) {
        if (reason) {
            *reason = ItemFileError::reason(reader, e);
        }
        return std::nullopt;
    }
}

std::optional<SavedGame> SavedGameFile::load(const QString &path, QString *reason)
{
    QString why;
    QFile file(path);
    std::optional<SavedGame> game;
    if (RegularFile::openForReading(file, &why)) {
        game = read(file, &why);
    }
    if (!game) {
        qCWarning(lcStorage).noquote() << QStringLiteral("%1: %2").arg(path, why);
    }
    if (reason) {
        *reason = why;
    }
    return game;
}
