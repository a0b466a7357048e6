// SPDX-License-Identifier: GPL-3.0-or-later

#include "atomicsave.h"

#include "itemfileerror.h"
#include "storagelog.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The temporary file's name: the target's, this mark and six letters or digits. A name of its
// own, so that the start-up cleanup cannot mistake a player's copy for one of ours.
const QString kMark = QStringLiteral(".guardando-");
constexpr int kMaxLinks = 32;

// Where the content goes: the target, or the file a chain of links ends at.
QString finalPath(const QString &path)
{
    QFileInfo info(path);
    for (int n = 0; n < kMaxLinks && info.isSymLink(); ++n)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

// A new file gets what files of a player's usually have: the owner writes, everybody reads.
QFileDevice::Permissions permissionsFor(const QFileInfo &existing)
{
    if (existing.exists())
        return existing.permissions();
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::ReadOther;
}

// The content written, flushed and, where the system allows, on the disk: a full disk often
// tells only at the flush of a small file, or at the sync. Why not, or nothing.
QString writeTemporary(QTemporaryFile &file, const QFileInfo &existing,
                       const std::function<void(QIODevice &)> &writeContent)
{
    file.setPermissions(permissionsFor(existing));
    try {
        writeContent(file);
    } catch (const ItemFileError &e) {
        return QString::fromStdString(e.what());
    }
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return file.errorString();
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    return {};
}

void warn(const QString &target, const QString &why)
{
    qCWarning(lcStorage).noquote() << QStringLiteral("%1: not saved: %2").arg(target, why);
}

} // namespace

bool AtomicSave::save(const QString &path, const std::function<void(QIODevice &)> &writeContent)
{
    const QString target = finalPath(path);
    const QFileInfo existing(target);
    if (existing.exists() && (!existing.isFile() || !existing.isWritable())) {
        warn(target, QStringLiteral("not a writable file"));
        return false;
    }
    QTemporaryFile file(target + kMark + QStringLiteral("XXXXXX"));
    if (!file.open()) {
        warn(target, file.errorString());
        return false;
    }
    if (const QString why = writeTemporary(file, existing, writeContent); !why.isEmpty()) {
        warn(target, why);
        return false;
    }
    file.close();
    // rename() replaces the target in one step; the temporary file goes with the object
    // when it fails.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(),
                            QFile::encodeName(target).toStdString(), error);
    if (error) {
        warn(target, QString::fromStdString(error.message()));
        return false;
    }
    file.setAutoRemove(false);
    return true;
}

bool AtomicSave::isLeftover(const QString &target, const QString &name)
{
    static const QRegularExpression tail(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QString start = QFileInfo(finalPath(target)).fileName() + kMark;
    return name.startsWith(start) && tail.match(name.mid(start.size())).hasMatch();
}

void AtomicSave::removeLeftovers(const QString &target)
{
    const QFileInfo info(finalPath(target));
    QDir folder = info.dir();
    const QStringList pattern { info.fileName() + kMark + QLatin1Char('*') };
    for (const QString &name : folder.entryList(pattern, QDir::Files | QDir::Hidden)) {
        if (isLeftover(target, name))
            folder.remove(name);
    }
}
