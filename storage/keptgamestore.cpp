// SPDX-License-Identifier: GPL-3.0-or-later

#include "keptgamestore.h"

#include "atomicsave.h"
#include "itemfileerror.h"
#include "regularfile.h"
#include "savedgamefile.h"
#include "userdatafolder.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kDat = QStringLiteral("partida-en-curso.dat");
const QString kSide = QStringLiteral("partida-en-curso.json");
const QString kEntries = QStringLiteral("partidas");
const QString kChecksum = QStringLiteral("dat_sha256");
const QString kHand = QStringLiteral("mano");
const QString kAbandoned = QStringLiteral("abandonada");
const QString kScoreName = QStringLiteral("nombre_marcador");

QString checksum(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!RegularFile::openForReading(file))
        return std::nullopt;
    return file.readAll();
}

QJsonObject toEntry(const KeptGame &game, const QString &datChecksum)
{
    QJsonObject entry {
        { kChecksum, datChecksum },
        { QStringLiteral("ultimo_en_levantar"), game.ultimoEnLevantar },
        { QStringLiteral("turno"), game.turno },
        { QStringLiteral("numero_partida"), QString::number(game.numeroPartida) },
        { QStringLiteral("nivel_cpu"), game.nivelCpu },
        { QStringLiteral("generador"), game.generador },
        { QStringLiteral("deshacer"), QString::fromLatin1(game.deshacer.toBase64()) },
        { QStringLiteral("estadisticas"), QString::fromLatin1(game.estadisticas.toBase64()) },
        { kHand, game.numeroDeMano },
        { kAbandoned, game.abandonada }
    };
    if (game.nombreEnMarcador)
        entry.insert(kScoreName, *game.nombreEnMarcador);
    return entry;
}

// The fields added after the first release: a side file without them still reads, with
// the defaults of KeptGame; one with them wrong is damaged.
bool laterFromEntry(const QJsonObject &entry, KeptGame &game)
{
    const QJsonValue hand = entry.value(kHand);
    const QJsonValue abandoned = entry.value(kAbandoned);
    const QJsonValue scoreName = entry.value(kScoreName);
    if (!hand.isUndefined()) {
        if (!hand.isDouble() || hand.toInt(-1) < 0 || hand.toDouble() != hand.toInt())
            return false;
        game.numeroDeMano = hand.toInt();
    }
    if (!abandoned.isUndefined()) {
        if (!abandoned.isBool())
            return false;
        game.abandonada = abandoned.toBool();
    }
    if (!scoreName.isUndefined()) {
        if (!scoreName.isString())
            return false;
        game.nombreEnMarcador = scoreName.toString();
    }
    return true;
}

// The side data of an entry on top of the position; false when a field is missing or wrong.
bool fromEntry(const QJsonObject &entry, KeptGame &game)
{
    const auto text = [&entry](const char *key) { return entry.value(QLatin1String(key)); };
    const QJsonValue turno = text("turno");
    bool numberOk = false;
    game.numeroPartida = text("numero_partida").toString().toLongLong(&numberOk);
    for (const char *key :
         { "ultimo_en_levantar", "nivel_cpu", "generador", "deshacer", "estadisticas" }) {
        if (!text(key).isString())
            return false;
    }
    if (!numberOk || !turno.isDouble() || turno.toInt(-1) < 0)
        return false;
    game.turno = turno.toInt();
    game.ultimoEnLevantar = text("ultimo_en_levantar").toString();
    game.nivelCpu = text("nivel_cpu").toString();
    game.generador = text("generador").toString();
    const auto blob = [&text](const char *key, QByteArray &out) {
        const auto decoded = QByteArray::fromBase64Encoding(
            text(key).toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        out = decoded.decoded;
        return decoded.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
    };
    return blob("deshacer", game.deshacer) && blob("estadisticas", game.estadisticas)
        && laterFromEntry(entry, game);
}

// The side file's entries, or nothing when it is not one we wrote.
std::optional<QJsonArray> readEntries(const QString &path)
{
    const std::optional<QByteArray> bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    const QJsonValue entries = QJsonDocument::fromJson(*bytes).object().value(kEntries);
    if (!entries.isArray())
        return std::nullopt;
    return entries.toArray();
}

std::optional<QJsonObject> entryFor(const QJsonArray &entries, const QString &datChecksum)
{
    for (const QJsonValue &entry : entries) {
        if (entry.toObject().value(kChecksum).toString() == datChecksum)
            return entry.toObject();
    }
    return std::nullopt;
}

std::optional<QByteArray> datBytes(const SavedGame &game)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        SavedGameFile::write(buffer, game);
    } catch (const ItemFileError &) {
        return std::nullopt;
    }
    return buffer.data();
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    return AtomicSave::save(path, [&bytes](QIODevice &device) {
        if (device.write(bytes) != bytes.size())
            throw ItemFileError(QStringLiteral("the kept game could not be written"));
    });
}

} // namespace

KeptGameStore::KeptGameStore(const QString &folder)
    : m_folder(folder)
{
}

QString KeptGameStore::datPath() const
{
    return m_folder + u'/' + kDat;
}

QString KeptGameStore::sidePath() const
{
    return m_folder + u'/' + kSide;
}

bool KeptGameStore::save(const KeptGame &game) const
{
    const std::optional<QByteArray> dat = datBytes(game.partida);
    if (!dat || !UserDataFolder::make(m_folder))
        return false;
    const QString newChecksum = checksum(*dat);
    QJsonArray entries { toEntry(game, newChecksum) };
    // The entry of the .dat on disk stays until the new .dat has replaced it.
    const std::optional<QByteArray> onDisk = readAll(datPath());
    const std::optional<QJsonArray> current = readEntries(sidePath());
    if (onDisk && current) {
        const std::optional<QJsonObject> previous = entryFor(*current, checksum(*onDisk));
        if (previous && previous->value(kChecksum).toString() != newChecksum)
            entries.append(*previous);
    }
    const QByteArray side = QJsonDocument(QJsonObject { { kEntries, entries } }).toJson();
    return writeWhole(sidePath(), side) && writeWhole(datPath(), *dat);
}

KeptGameStore::Loaded KeptGameStore::load() const
{
    removeLeftovers();
    const std::optional<QByteArray> dat = readAll(datPath());
    if (!dat)
        return {};
    const std::optional<QByteArray> side = readAll(sidePath());
    if (!side)
        return {};
    return read(*dat, *side);
}

KeptGameStore::Loaded KeptGameStore::read(const QByteArray &dat, const QByteArray &side)
{
    const QJsonValue entries = QJsonDocument::fromJson(side).object().value(kEntries);
    if (!entries.isArray())
        return { Status::Damaged, std::nullopt };
    const std::optional<QJsonObject> entry = entryFor(entries.toArray(), checksum(dat));
    if (!entry)
        return {};
    QBuffer buffer;
    buffer.setData(dat);
    buffer.open(QIODevice::ReadOnly);
    std::optional<SavedGame> partida = SavedGameFile::read(buffer);
    KeptGame game;
    if (!partida || !fromEntry(*entry, game))
        return { Status::Damaged, std::nullopt };
    game.partida = std::move(*partida);
    return { Status::Found, game };
}

bool KeptGameStore::remove() const
{
    // The .dat goes first: a side file alone is no kept game.
    bool removed = true;
    for (const QString &path : { datPath(), sidePath() })
        removed = (QFile::remove(path) || !QFileInfo::exists(path)) && removed;
    return removed;
}

void KeptGameStore::removeLeftovers() const
{
    AtomicSave::removeLeftovers(datPath());
    AtomicSave::removeLeftovers(sidePath());
}
