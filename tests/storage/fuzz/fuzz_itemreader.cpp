// SPDX-License-Identifier: GPL-3.0-or-later

// Reads every item of the input as text and checks what the reader promises about it: no item
// longer than the limit, conversions that agree with each other, and text that reads back as
// it was after the writer wrote it.

#include "fuzzcheck.h"
#include "itemfileerror.h"
#include "itemreader.h"
#include "itemwriter.h"

#include <QBuffer>
#include <QStringList>

namespace {
QStringList readAll(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ItemReader reader(buffer);
    QStringList items;
    try {
        for (;;) {
            items.append(reader.readText());
        }
    } catch (const ItemFileError &) {
    }
    return items;
}

void checkConversions(const QString &item)
{
    const std::optional<qint32> whole = ItemReader::int32Value(item);
    const std::optional<double> leading = ItemReader::leadingNumber(item);
    const std::optional<bool> boolean = ItemReader::boolValue(item);
    if (whole) {
        // A whole number is its own leading number, and a boolean by being zero or not.
        FuzzCheck::require(leading && *leading == *whole);
        FuzzCheck::require(boolean && *boolean == (*whole != 0));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList items = readAll(FuzzCheck::bytes(data, size));

    QBuffer written;
    written.open(QIODevice::WriteOnly);
    ItemWriter writer(written);
    for (const QString &item : items) {
        FuzzCheck::require(item.size() <= ItemReader::kMaxItemBytes);
        checkConversions(item);
        writer.writeText(item);
    }
    FuzzCheck::require(writer.ok());

    const QStringList readBack = readAll(written.data());
    FuzzCheck::require(readBack.size() == items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        FuzzCheck::require(readBack[i] == FuzzCheck::asWritten(items[i]));
    }
    return 0;
}
