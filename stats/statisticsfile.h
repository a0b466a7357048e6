// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "statistics.h"

#include <QString>

// The statistics in "estadisticas.json" of the per-user data folder. A file that cannot be
// read as statistics is moved aside to "estadisticas.json.dañado" and counting starts
// afresh: the game never refuses to start because of it.
class StatisticsFile
{
public:
    struct Loaded
    {
        Statistics statistics;
        // The file was damaged and has just been moved aside: tell the player. Later loads
        // find no file and report nothing.
        bool damaged = false;
    };

    // folder: where the file lives, e.g. UserDataFolder::path().
    explicit StatisticsFile(const QString &folder);

    QString path() const;
    QString damagedPath() const;

    // No file yet gives empty statistics. Removes the temporary files a kill may have left.
    Loaded load() const;
    // Replaces the file whole or not at all, creating the folder when needed.
    bool save(const Statistics &statistics) const;

private:
    void removeLeftovers() const;

    QString m_folder;
};
