// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "savedgame.h"

#include <QtGlobal>
#include <optional>

class QIODevice;
class QString;

// The saved-game file: twelve sections, each closed by the text item "otro": the table, the
// CPU's hand and pile, the human's hand and pile (entries as text items), the deck flags
// (booleans), primerReparto (boolean), cartasRepartidas (number), the CPU's name (text) and
// points (number), the human's name (text) and points (number).
class SavedGameFile
{
public:
    // No list or deck section of a real game holds more: the deck has 40 cards.
    static constexpr qsizetype kMaxCards = 40;

    SavedGameFile() = delete;

    // Throws ItemFileError when the device refuses a write.
    static void write(QIODevice &device, const SavedGame &game);

    // Replaces the file atomically; on false the previous file is unchanged.
    static bool save(const QString &path, const SavedGame &game);

    // Reads a game, or nothing at all when the file is short or damaged:
    // - a list section runs until an item that is exactly "otro"; each entry is kept as the
    //   plain decimal text of its leading number ("7abc" and " 7" give "7"; no number gives
    //   "0", which the engine refuses as a card). More than kMaxCards entries fail.
    // - the deck section reads booleans (see ItemReader::readBool) until "otro"; more than
    //   kMaxCards flags fail.
    // - the six single values follow, each after one item that is skipped unread (the
    //   terminator of the section before). cartasRepartidas is the item's leading number
    //   rounded half away from zero, 0..255; an item without a number fails. The points are
    //   whole numbers in the 16-bit signed range.
    // Nothing after the human's points is read. reason, when given, receives why the file was
    // refused ("line 12: item 12: a deck flag is not a boolean").
    static std::optional<SavedGame> read(QIODevice &device, QString *reason = nullptr);

    // As read(); nothing also when the file cannot be opened. A failure is logged with its
    // reason in the category zelbo.storage.
    static std::optional<SavedGame> load(const QString &path, QString *reason = nullptr);
};
