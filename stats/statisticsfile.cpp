// SPDX-License-Identifier: GPL-3.0-or-later

#include "statisticsfile.h"

#include "atomicsave.h"
#include "itemfileerror.h"
#include "regularfile.h"
#include "statslog.h"
#include "userdatafolder.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <optional>
#include <utility>

namespace {

struct Read
{
    std::optional<Statistics> statistics;
    // The file itself could not be read, as against read and found wanting.
    bool unreadable = false;
    // Why there are no statistics, for a maintainer.
    QString why;
};

Read readStatistics(QFile &file)
{
    Read read;
    if (!RegularFile::openForReading(file, &read.why)) {
        read.unreadable = true;
        return read;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.unreadable = true;
        read.why = file.errorString();
        return read;
    }
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        read.why = QStringLiteral("%1 at byte %2").arg(error.errorString()).arg(error.offset);
    else if (!document.isObject())
        read.why = QStringLiteral("not a JSON object");
    else
        read.statistics = Statistics::fromJson(document.object());
    if (read.why.isEmpty() && !read.statistics)
        read.why = QStringLiteral("not the statistics of this game");
    return read;
}

} // namespace

QString StatisticsFile::Loaded::notice() const
{
    const QString name = QFileInfo(movedTo).fileName();
    if (unreadable)
        return tr("No se ha podido leer el archivo de estadísticas. Se deja como está, y las "
                  "partidas de esta sesión se cuentan sin guardarlas en él.");
    if (damaged && movedTo.isEmpty())
        return tr("El archivo de estadísticas está dañado y no se ha podido apartar. Se deja "
                  "como está, y las partidas de esta sesión se cuentan sin guardarlas en él.");
    if (damaged)
        return tr("El archivo de estadísticas estaba dañado. Se ha apartado como «%1» y las "
                  "estadísticas empiezan de cero.")
            .arg(name);
    return {};
}

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

// The first free name of the damaged series; nothing when the file could not be moved.
QString StatisticsFile::moveAside() const
{
    constexpr int kMaxCopies = 100;
    for (int n = 0; n < kMaxCopies; ++n) {
        const QString name
            = n == 0 ? damagedPath() : damagedPath() + QLatin1Char('.') + QString::number(n);
        if (QFileInfo::exists(name))
            continue;
        // rename() never replaces a file that appeared meanwhile.
        return QFile::rename(path(), name) ? name : QString();
    }
    return {};
}

StatisticsFile::Loaded StatisticsFile::load()
{
    AtomicSave::removeLeftovers(path());
    QFile file(path());
    if (!file.exists())
        return {};
    Read read = readStatistics(file);
    file.close();
    Loaded loaded;
    if (read.statistics) {
        loaded.statistics = std::move(*read.statistics);
        return loaded;
    }
    qCWarning(lcStats).noquote() << QStringLiteral("%1: %2").arg(path(), read.why);
    loaded.unreadable = read.unreadable;
    if (!loaded.unreadable) {
        loaded.damaged = true;
        loaded.movedTo = moveAside();
    }
    m_leaveAlone = loaded.unreadable || loaded.movedTo.isEmpty();
    return loaded;
}

bool StatisticsFile::save(const Statistics &statistics) const
{
    if (m_leaveAlone || !UserDataFolder::make(m_folder))
        return false;
    const QByteArray bytes = QJsonDocument(statistics.toJson()).toJson(QJsonDocument::Indented);
    return AtomicSave::save(path(), [&bytes](QIODevice &device) {
        if (device.write(bytes) != bytes.size())
            throw ItemFileError(QStringLiteral("the statistics could not be written"));
    });
}
