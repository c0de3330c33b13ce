#include "platform/qt/QtFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace veltrano {
namespace {

const QString kTemporaryMark = QStringLiteral(".veltrano-save-");
constexpr qsizetype kRandomLength = 6;

// A link is written through: the file it leads to is replaced, the link stays
// (as a user who keeps PM.INI elsewhere expects). Not the canonical path, so
// that a link to a file still to be made leads to it too.
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; hops < 64 && info.isSymLink(); ++hops)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

} // namespace

bool QtFileSystem::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

bool QtFileSystem::isFolder(const QString &path) const
{
    return QFileInfo(path).isDir();
}

std::optional<QByteArray> QtFileSystem::readFile(const QString &path, QString *reason, qint64 maxBytes) const
{
    QString why;
    std::optional<QByteArray> bytes = readRegularFile(path, maxBytes, why);
    if (!bytes && reason)
        *reason = why;
    return bytes;
}

QString NotRegularFileReason()
{
    return QStringLiteral("It is not a regular file");
}

QString TooLargeReason(qint64 maxBytes)
{
    constexpr qint64 kMegabyte = qint64(1) << 20;
    const QString bound = maxBytes % kMegabyte == 0 ? QString::number(maxBytes / kMegabyte) + QStringLiteral(" MB")
                                                    : QString::number(maxBytes) + QStringLiteral(" bytes");
    return QStringLiteral("It is larger than the %1 such a file may hold").arg(bound);
}

IoStatus QtFileSystem::checkReplaceable(const QString &path) const
{
    // A rename would replace a read-only file too; the user's mark is respected.
    // The owner's write bit is checked as well, so a read-only mark holds even
    // for a user the system lets write anything.
    const QFileInfo target(path);
    if (target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner)))
        return IoStatus::failure(QStringLiteral("Access denied: the file is read-only"));
    if (target.isDir())
        return IoStatus::failure(QStringLiteral("A folder of that name exists"));
    // A FIFO or a device (also behind a link) is no file of ours to replace:
    // it stays what the user made it.
    if (target.exists() && !target.isFile())
        return IoStatus::failure(NotRegularFileReason());
    return IoStatus::success();
}

IoStatus QtFileSystem::replaceFile(const QString &path, const QByteArray &bytes)
{
    if (IoStatus refused = checkReplaceable(path); !refused)
        return refused;
    return writeBesideAndRename(finalTarget(path), bytes);
}

std::optional<FileStamp> QtFileSystem::stamp(const QString &path) const
{
    return stampOf(path);
}

int QtFileSystem::removeReplaceLeftovers(const QString &folder)
{
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    int removed = 0;
    for (const FolderEntry &entry : listFolder(prefix)) {
        // A link or a folder of that name is not something the writer made.
        if (entry.kind == FolderEntry::Kind::File && IsReplaceTemporaryName(entry.name)
            && removeFile(prefix + entry.name))
            ++removed;
    }
    return removed;
}

QString ReplaceTemporaryName(const QString &name, QStringView random)
{
    return u'.' + name + kTemporaryMark + random;
}

bool IsReplaceTemporaryName(QStringView name)
{
    const qsizetype markAt = name.size() - kRandomLength - kTemporaryMark.size();
    if (markAt < 2 || !name.startsWith(u'.') || name.mid(markAt, kTemporaryMark.size()) != kTemporaryMark)
        return false;
    const QStringView random = name.mid(markAt + kTemporaryMark.size());
    return std::all_of(random.begin(), random.end(), [](QChar c) {
        return c.unicode() < 0x80 && (c.isLetter() || c.isDigit());
    });
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
