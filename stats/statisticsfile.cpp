// SPDX-License-Identifier: GPL-3.0-or-later

#include "statisticsfile.h"

#include "atomicsave.h"
#include "itemfileerror.h"
#include "userdatafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

StatisticsFile::StatisticsFile(const QString &folder)
    : m_folder(folder)
{
}

QString StatisticsFile::path() const
{
    return m_folder + QStringLiteral("/estadisticas.json");
}

QString StatisticsFile::damagedPath() const
{
    return path() + QStringLiteral(".dañado");
}

void StatisticsFile::removeLeftovers() const
{
    QDir folder(m_folder);
    const QString damaged = QFileInfo(damagedPath()).fileName();
    const QStringList pattern { QFileInfo(path()).fileName() + QStringLiteral(".*") };
    for (const QString &name : folder.entryList(pattern, QDir::Files | QDir::Hidden)) {
        if (name != damaged)
            folder.remove(name);
    }
}

StatisticsFile::Loaded StatisticsFile::load() const
{
    removeLeftovers();
    QFile file(path());
    if (!file.exists())
        return {};
    std::optional<Statistics> statistics;
    if (file.open(QIODevice::ReadOnly)) {
        QJsonParseError error {};
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (error.error == QJsonParseError::NoError && document.isObject())
            statistics = Statistics::fromJson(document.object());
        file.close();
    }
    if (statistics)
        return { *statistics, false };
    // Only one damaged copy is kept: the newest is the one the player may ask about.
    QFile::remove(damagedPath());
    if (!QFile::rename(path(), damagedPath()))
        QFile::remove(path());
    return { Statistics(), true };
}

bool StatisticsFile::save(const Statistics &statistics) const
{
    if (!UserDataFolder::make(m_folder))
        return false;
    const QByteArray bytes = QJsonDocument(statistics.toJson()).toJson(QJsonDocument::Indented);
    return AtomicSave::save(path(), [&bytes](QIODevice &device) {
        if (device.write(bytes) != bytes.size())
            throw ItemFileError(QStringLiteral("the statistics could not be written"));
    });
}
