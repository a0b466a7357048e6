// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

class QIODevice;

// Reads an item file (see ItemWriter) one item at a time, decoding Windows-1252.
//
// An item is found this way: blanks (spaces and tabs) before it are skipped. An item that
// begins with a double quote runs to the next double quote, line ends included; whatever
// follows on the line up to the next comma or line end is dropped. Any other item runs to the
// next comma or line end, and its trailing blanks are dropped. So an empty line is an empty
// item, and one line may hold several comma-separated items. Line ends are CR LF, LF or a
// lone CR. A quoted item missing its closing quote runs to the end of the file.
//
// Every read that cannot deliver what was asked for throws ItemFileError: past the last item,
// a device error, an item longer than kMaxItemBytes (a damaged file: no item the game writes
// comes near it), or an item that does not convert. The device is read in chunks as needed,
// so a huge damaged file costs no more than the items actually read.
class ItemReader
{
public:
    static constexpr qsizetype kMaxItemBytes = 64 * 1024;

    explicit ItemReader(QIODevice &device);

    // The next item as text, exactly as the rules above cut it.
    QString readText();
    // The next item converted as boolValue() / int32Value() do; a failed conversion throws.
    bool readBool();
    qint32 readInt32();

    // #TRUE# and #FALSE# as written; hand-edited files may also say TRUE or FALSE, with or
    // without the #, in any case, or give a whole number (0 is false, any other is true).
    // Blanks around the word count for nothing. Anything else is none.
    static std::optional<bool> boolValue(const QString &item);

    // A whole number in the 32-bit signed range: an optional sign and decimal digits, blanks
    // around it allowed. "12abc", "1.5", "0x10" or an empty item are none.
    static std::optional<qint32> int32Value(const QString &item);

    // The number at the start of an item, after leading blanks: an optional sign, digits, an
    // optional decimal point and digits ("7abc" -> 7, " -2.5x" -> -2.5). None when no digit
    // follows the sign, or the number does not fit a double.
    static std::optional<double> leadingNumber(const QString &item);

    // Where the item read last (or asked for last) begins: its line, from 1, and its number
    // among the items, from 1; "line 4: item 5" for a reason that names them.
    int line() const { return m_itemLine; }
    int item() const { return m_items; }
    QString where() const;

private:
    int peek();
    void next() { ++m_pos; }
    void refill();
    void skipBlanks();
    void skipLineEnd(int c);
    QByteArray readQuoted();
    QByteArray readPlain();
    void skipToItemEnd();
    static void append(QByteArray &item, char c);

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_deviceDone = false;
    int m_line = 1;
    int m_itemLine = 0;
    int m_items = 0;
};
