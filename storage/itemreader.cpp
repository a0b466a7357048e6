// SPDX-License-Identifier: GPL-3.0-or-later

#include "itemreader.h"

#include "itemfileerror.h"
#include "windows1252.h"

#include <QIODevice>
#include <algorithm>
#include <cmath>

namespace {
constexpr qint64 kChunkBytes = 64 * 1024;

bool isBlank(int c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Drops spaces and tabs at both ends; QString::trimmed() would also drop line ends, which a
// quoted item may legitimately hold.
QStringView withoutBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front().unicode())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back().unicode())) {
        text.chop(1);
    }
    return text;
}

// An optional sign followed by at least one digit and nothing else.
bool isWholeNumber(QStringView text)
{
    if (!text.isEmpty() && (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-'))) {
        text = text.sliced(1);
    }
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

QString excerpt(const QString &item)
{
    constexpr qsizetype kShown = 40;
    return item.size() <= kShown ? item : item.first(kShown) + QStringLiteral("...");
}
} // namespace

ItemReader::ItemReader(QIODevice &device)
    : m_device(device)
{
}

QString ItemReader::readText()
{
    skipBlanks();
    m_itemLine = m_line;
    ++m_items;
    const int c = peek();
    if (c < 0) {
        throw ItemFileError(QStringLiteral("the file ends before the item asked for"));
    }
    const QByteArray bytes = c == '"' ? readQuoted() : readPlain();
    return Windows1252::decode(bytes);
}

QString ItemReader::where() const
{
    return QStringLiteral("line %1: item %2").arg(m_itemLine).arg(m_items);
}

bool ItemReader::readBool()
{
    const QString item = readText();
    if (const std::optional<bool> value = boolValue(item)) {
        return *value;
    }
    throw ItemFileError(QStringLiteral("not a boolean: %1").arg(excerpt(item)));
}

qint32 ItemReader::readInt32()
{
    const QString item = readText();
    if (const std::optional<qint32> value = int32Value(item)) {
        return *value;
    }
    throw ItemFileError(QStringLiteral("not a 32-bit whole number: %1").arg(excerpt(item)));
}

std::optional<bool> ItemReader::boolValue(const QString &item)
{
    const QStringView word = withoutBlanks(item);
    for (const QStringView truth : { u"#TRUE#", u"TRUE" }) {
        if (word.compare(truth, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    for (const QStringView falsehood : { u"#FALSE#", u"FALSE" }) {
        if (word.compare(falsehood, Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    if (isWholeNumber(word)) {
        return std::any_of(word.begin(), word.end(),
                           [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); });
    }
    return std::nullopt;
}

std::optional<qint32> ItemReader::int32Value(const QString &item)
{
    const QStringView text = withoutBlanks(item);
    if (!isWholeNumber(text)) {
        return std::nullopt;
    }
    // One past the largest positive value: lets -2147483648 through and ends the sum early,
    // whatever the number of digits.
    constexpr qint64 kLimit = qint64(1) << 31;
    const bool negative = text.front() == QLatin1Char('-');
    qint64 magnitude = 0;
    for (const QChar c : text) {
        if (isDigit(c)) {
            magnitude = magnitude * 10 + (c.unicode() - '0');
        }
        if (magnitude > kLimit) {
            return std::nullopt;
        }
    }
    if (magnitude == kLimit && !negative) {
        return std::nullopt;
    }
    return static_cast<qint32>(negative ? -magnitude : magnitude);
}

std::optional<double> ItemReader::leadingNumber(const QString &item)
{
    qsizetype i = 0;
    const auto at = [&item](qsizetype pos) { return pos < item.size() ? item.at(pos) : QChar(); };
    while (isBlank(at(i).unicode())) {
        ++i;
    }
    QByteArray number;
    if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-')) {
        number.append(at(i++).toLatin1());
    }
    const qsizetype firstDigit = i;
    number.append('0'); // so "-.5" and ".5" convert as well
    while (isDigit(at(i))) {
        number.append(at(i++).toLatin1());
    }
    bool hasDigits = i > firstDigit;
    if (at(i) == QLatin1Char('.')) {
        number.append(at(i++).toLatin1());
        const qsizetype firstDecimal = i;
        while (isDigit(at(i))) {
            number.append(at(i++).toLatin1());
        }
        hasDigits = hasDigits || i > firstDecimal;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!hasDigits || !ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value == 0 ? 0.0 : value; // no "-0"
}

int ItemReader::peek()
{
    if (m_pos >= m_buffer.size()) {
        refill();
    }
    return m_pos < m_buffer.size() ? static_cast<unsigned char>(m_buffer.at(m_pos)) : -1;
}

void ItemReader::refill()
{
    m_pos = 0;
    if (m_deviceDone) {
        m_buffer.resize(0);
        return;
    }
    if (!m_device.isReadable()) {
        throw ItemFileError(QStringLiteral("the file is not open for reading"));
    }
    // A file or buffer tells what is left, so a small one gets a buffer of its own size; only
    // a stream is read a whole chunk at a time.
    const qint64 wanted
        = m_device.isSequential() ? kChunkBytes : std::min(m_device.bytesAvailable(), kChunkBytes);
    m_buffer.resize(wanted);
    const qint64 got = m_device.read(m_buffer.data(), wanted);
    if (got < 0) {
        throw ItemFileError(
            QStringLiteral("the file cannot be read: %1").arg(m_device.errorString()));
    }
    m_buffer.resize(got);
    m_deviceDone = got == 0;
}

void ItemReader::skipBlanks()
{
    while (isBlank(peek())) {
        next();
    }
}

// c is a line-end byte already peeked: CR LF counts as one line end.
void ItemReader::skipLineEnd(int c)
{
    next();
    ++m_line;
    if (c == '\r' && peek() == '\n') {
        next();
    }
}

QByteArray ItemReader::readQuoted()
{
    next(); // opening quote
    QByteArray item;
    for (int c = peek(); c >= 0; c = peek()) {
        next();
        if (c == '"') {
            skipToItemEnd();
            break;
        }
        if (c == '\n' || (c == '\r' && peek() != '\n')) {
            ++m_line;
        }
        append(item, static_cast<char>(c));
    }
    return item;
}

QByteArray ItemReader::readPlain()
{
    QByteArray item;
    for (int c = peek(); c >= 0; c = peek()) {
        if (c == '\r' || c == '\n') {
            skipLineEnd(c);
            break;
        }
        next();
        if (c == ',') {
            break;
        }
        append(item, static_cast<char>(c));
    }
    while (!item.isEmpty() && isBlank(item.back())) {
        item.chop(1);
    }
    return item;
}

// Drops what follows a quoted item, up to and including the next comma or line end.
void ItemReader::skipToItemEnd()
{
    for (int c = peek(); c >= 0; c = peek()) {
        if (c == '\r' || c == '\n') {
            skipLineEnd(c);
            return;
        }
        next();
        if (c == ',') {
            return;
        }
    }
}

void ItemReader::append(QByteArray &item, char c)
{
    if (item.size() >= kMaxItemBytes) {
        throw ItemFileError(QStringLiteral("an item is longer than %1 bytes").arg(kMaxItemBytes));
    }
    item.append(c);
}
