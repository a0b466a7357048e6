// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "preferencevalues.h"

class QIODevice;
class QString;

// The preferences file: five items, one per line, in the order of PreferenceValues'
// members (three texts, the colour as a whole number, a text).
class PreferencesFile
{
public:
    PreferencesFile() = delete;

    // Reads the five items and sets each value as soon as its item has been read. At the first
    // missing or bad item it returns false: the values read before it stay set, the others
    // keep what they had. Whatever follows the fifth item is not read.
    // reason, when given, receives why the file was not read whole ("line 4: item 4: ...").
    static bool read(QIODevice &device, PreferenceValues &values, QString *reason = nullptr);

    // Throws ItemFileError when the device refuses a write.
    static void write(QIODevice &device, const PreferenceValues &values);

    // As read(); false also when the file cannot be opened (values untouched then). A failure
    // is logged with its reason in the category zelbo.storage.
    static bool load(const QString &path, PreferenceValues &values, QString *reason = nullptr);

    // Replaces the file atomically; on false the previous file is unchanged.
    static bool save(const QString &path, const PreferenceValues &values);
};
