// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics.h"

#include <QCoreApplication>
#include <QString>

// The statistics in "estadisticas.json" of the per-user data folder. A file that cannot be
// read as statistics is moved aside to a name of its own ("estadisticas.json.dañado", then
// ".dañado.1", ".dañado.2", …) and counting starts afresh: the game never refuses to start
// because of it, and never deletes a file the player may want back. A file that cannot be
// read at all (permissions, a read error), or a damaged one that cannot be moved, is left
// alone: the run counts in memory and never writes over it.
class StatisticsFile
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsFile)

public:
    struct Loaded
    {
        Statistics statistics;
        // The file was damaged: moved aside to movedTo, or left in place when that is empty.
        // Later loads find no file and report nothing.
        bool damaged = false;
        // The file could not be read: left as it was.
        bool unreadable = false;
        QString movedTo;

        // What the player is told of the file, or nothing when all is well.
        QString notice() const;
    };

    // folder: where the file lives, e.g. UserDataFolder::path().
    explicit StatisticsFile(const QString &folder);

    QString path() const;
    // The first name a damaged file is moved to; later ones add ".1", ".2", ….
    QString damagedPath() const;

    // No file yet gives empty statistics. Removes the temporary files a kill may have left.
    // After a file that had to be left in place, save() writes nothing.
    Loaded load();
    // Replaces the file whole or not at all, creating the folder when needed. False, and
    // nothing written, while the file found by load() must be left alone.
    bool save(const Statistics &statistics) const;
    // The file found by load() is left as it was, and the player was told so then.
    bool leftAlone() const { return m_leaveAlone; }

private:
    QString moveAside() const;

    QString m_folder;
    bool m_leaveAlone = false;
};
