// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class QIODevice;
class QString;

// Replaces a file as a whole or not at all: the content goes to a temporary file beside the
// target, which takes the target's place only once everything was written and is on the disk.
// A failed save leaves the previous file as it was and no partial file behind. A target that
// is a symbolic link is replaced where the link points, so the link stays.
class AtomicSave
{
public:
    AtomicSave() = delete;

    // writeContent writes the whole content to the device it is given, and may throw
    // ItemFileError to give up. Returns false when the file could not be replaced: a write,
    // the final flush or the sync to the disk failed (a full disk shows there), the folder
    // takes no file, or the target is not a regular file.
    static bool save(const QString &path, const std::function<void(QIODevice &)> &writeContent);

    // Whether name (a file name without folder) is a temporary file that a save of target
    // left behind when it was cut short. Only those names: a copy the player made beside the
    // file ("estadisticas.json.bak") never matches.
    static bool isLeftover(const QString &target, const QString &name);
    // Removes the temporary files that saves of target left behind.
    static void removeLeftovers(const QString &target);
};
