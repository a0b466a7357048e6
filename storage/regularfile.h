// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFile;
class QString;

// Reading a player's file: only a regular file (or a link to one) is opened. A FIFO, a device
// or a folder where the file belongs would block the read, or never end it.
class RegularFile
{
public:
    RegularFile() = delete;

    // Opens file for reading; false, and why in *reason when given, otherwise.
    static bool openForReading(QFile &file, QString *reason = nullptr);
};
