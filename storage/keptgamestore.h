// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "keptgame.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The game in progress, kept in "partida-en-curso.dat" (the saved-game format, so it is the
// very file "Guardar" would write) and a side file "partida-en-curso.json" with the rest.
//
// A kill at any instant, also in the middle of a save, leaves either the previous kept game
// or the new one, whole. Each file is replaced atomically, the side file first; it names
// the .dat it belongs to by its SHA-256, and keeps the entry of the previous .dat too. So
// between the two replacements the old .dat still finds its own entry, and after them the
// new one does. A .dat that no entry names is no kept game at all.
class KeptGameStore
{
public:
    enum class Status { None, Found, Damaged };

    struct Loaded
    {
        Status status = Status::None;
        // Set when status is Found.
        std::optional<KeptGame> game;
    };

    // folder: where the files live, e.g. UserDataFolder::path().
    explicit KeptGameStore(const QString &folder);

    QString folder() const { return m_folder; }
    QString datPath() const;
    QString sidePath() const;

    // Creates the folder when needed. On false the previous kept game is still there.
    bool save(const KeptGame &game) const;
    // Removes the temporary files a kill may have left, then reads the pair. Damaged: the
    // files exist and match but cannot be read as a game ("Error leyendo archivo").
    Loaded load() const;
    // The pair as read from the two files, in memory: what load() judges once it found
    // both. Side bytes that are not a side file give Damaged; a side file with no entry
    // for this .dat gives None.
    static Loaded read(const QByteArray &dat, const QByteArray &side);
    // No kept game afterwards; a kill midway leaves the kept game or none. False when a
    // file of it could not be removed (a folder that takes no change).
    bool remove() const;
    // Temporary files of interrupted saves of this folder's files; load() does it too.
    void removeLeftovers() const;

private:
    QString m_folder;
};
