#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

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

namespace {

// NTFS keeps a folder's entries ordered by their names upper-cased code unit
// by code unit; that is the order Windows lists them in, so "_x" comes after
// "Zeta". Names equal but for case (Linux allows both) keep a fixed order.
QString windowsSortKey(const QString &name)
{
    QString key(name.size(), Qt::Uninitialized);
    QChar *out = key.data();
    for (QChar ch : name)
        *out++ = QChar(QChar::toUpper(ch.unicode()));
    return key;
}

FolderEntry::Kind kindOf(unsigned char type)
{
    switch (type) {
    case DT_DIR: return FolderEntry::Kind::Folder;
    case DT_REG: return FolderEntry::Kind::File;
    case DT_LNK: return FolderEntry::Kind::Link;
    default: return FolderEntry::Kind::Other;
    }
}

FolderEntry::Kind kindOf(DIR *dir, const dirent *d)
{
    if (d->d_type != DT_UNKNOWN)
        return kindOf(d->d_type);
    struct stat st;
    if (fstatat(dirfd(dir), d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return FolderEntry::Kind::Other;
    if (S_ISDIR(st.st_mode))
        return FolderEntry::Kind::Folder;
    if (S_ISREG(st.st_mode))
        return FolderEntry::Kind::File;
    if (S_ISLNK(st.st_mode))
        return FolderEntry::Kind::Link;
    return FolderEntry::Kind::Other;
}

} // namespace

QList<FolderEntry> QtFileSystem::listFolder(const QString &folder) const
{
    // Straight over readdir: the entry type comes with the name, so a listing
    // costs no system call per entry (Qt's iterator was twice as slow on a
    // tree of 10,000 folders). Only a file system that leaves the type out
    // gets an lstat.
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return {};
    struct Keyed {
        QString key;
        FolderEntry entry;
    };
    std::vector<Keyed> found;
    while (const dirent *d = readdir(dir)) {
        const char *name = d->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        FolderEntry entry;
        entry.name = QFile::decodeName(name);
        entry.hidden = name[0] == '.';
        entry.kind = kindOf(dir, d);
        found.push_back({windowsSortKey(entry.name), std::move(entry)});
    }
    closedir(dir);
    std::sort(found.begin(), found.end(), [](const Keyed &a, const Keyed &b) {
        if (a.key != b.key)
            return a.key < b.key;
        return a.entry.name < b.entry.name;
    });
    QList<FolderEntry> entries;
    entries.reserve(qsizetype(found.size()));
    for (Keyed &keyed : found)
        entries.append(std::move(keyed.entry));
    return entries;
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

bool QtFileSystem::makeWritable(const QString &path)
{
    QFile file(path);
    return file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

} // namespace veltrano
