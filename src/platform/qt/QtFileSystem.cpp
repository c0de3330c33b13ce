#include "platform/qt/QtFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace veltrano {

bool QtFileSystem::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

bool QtFileSystem::isFolder(const QString &path) const
{
    return QFileInfo(path).isDir();
}

std::optional<QByteArray> QtFileSystem::readFile(const QString &path, QString *reason) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

IoStatus QtFileSystem::replaceFile(const QString &path, const QByteArray &bytes)
{
    // A rename would replace a read-only file too; the user's mark is respected.
    // The owner's write bit is checked as well, so a read-only mark holds even
    // for a user the system lets write anything.
    const QFileInfo target(path);
    if (target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner)))
        return IoStatus::failure(QStringLiteral("Access denied: the file is read-only"));
    if (target.isDir())
        return IoStatus::failure(QStringLiteral("A folder of that name exists"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return IoStatus::failure(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return IoStatus::failure(why);
    }
    if (!file.commit())
        return IoStatus::failure(file.errorString());
    return IoStatus::success();
}

bool QtFileSystem::makePath(const QString &folder)
{
    return QDir().mkpath(folder);
}

bool QtFileSystem::rename(const QString &from, const QString &to)
{
    return QDir().rename(from, to);
}

bool QtFileSystem::removeFile(const QString &path)
{
    return QFile::remove(path);
}

bool QtFileSystem::removeFolder(const QString &path)
{
    return QDir().rmdir(path);
}

} // namespace veltrano
