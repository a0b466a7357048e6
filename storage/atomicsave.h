// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QIODevice;
class QString;

// Replaces a file as a whole or not at all: the content goes to a temporary file beside the
// target, which takes the target's place only once everything was written. A failed save
// leaves the previous file as it was and no partial file behind.
class AtomicSave
{
public:
    AtomicSave() = delete;

    // writeContent writes the whole content to the device it is given, and may throw
    // ItemFileError to give up. Returns false when the file could not be replaced.
    static bool save(const QString &path, const std::function<void(QIODevice &)> &writeContent);
};
