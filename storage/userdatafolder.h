// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The per-user folder of the files the game keeps for itself (statistics, the game in
// progress): the generic data location + "/zelbo", on Linux $XDG_DATA_HOME/zelbo.
class UserDataFolder
{
public:
    UserDataFolder() = delete;

    // The folder's path; it is not created here.
    static QString path();
    // Creates the folder when missing; false when it cannot be.
    static bool make(const QString &folder);
};
