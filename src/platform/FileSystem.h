#pragma once
#include "platform/IoStatus.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace veltrano {

struct FolderEntry {
    enum class Kind { Folder, File, Link, Other };
    QString name;
    Kind kind = Kind::File;
    bool hidden = false; // a dot name on Linux, the hidden attribute elsewhere
};

// What identifies one state of a file on disk without reading it: a sync
// engine or an editor that replaces the file changes at least one of these.
struct FileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0; // since the epoch
    quint64 inode = 0;
    quint64 device = 0;

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};

// What one read may take at most when the caller names no bound of its own:
// more than any file of the program's holds, little enough that a huge or
// endless file costs no more than this.
inline constexpr qint64 kDefaultReadLimit = qint64(512) << 20;

// Files and folders. Every file the program writes goes through replaceFile:
// written beside the target and renamed over it, so a crash mid-write leaves
// the old file or the new one, never a torn one (and, beside it, the
// temporary file removeReplaceLeftovers clears away).
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool exists(const QString &path) const = 0;
    virtual bool isFolder(const QString &path) const = 0;
    // The whole file, or nothing with the system's reason in `reason`. Only a
    // regular file is read, and only one of at most `maxBytes` bytes: a FIFO
    // or a device (which would block, or never end) and a larger file are
    // refused before anything is read.
    virtual std::optional<QByteArray> readFile(const QString &path, QString *reason = nullptr,
                                               qint64 maxBytes = kDefaultReadLimit) const = 0;
    // Replaces (or creates) the file whole. A target the user made read-only is
    // refused, as is a missing folder, and anything but a regular file (a FIFO,
    // a device, through a link too); the old file is then untouched.
    virtual IoStatus replaceFile(const QString &path, const QByteArray &bytes) = 0;
    // What replaceFile refuses before writing a byte (a read-only target, a
    // folder or a FIFO of that name, a missing folder), without writing.
    virtual IoStatus checkReplaceable(const QString &path) const
    {
        (void)path;
        return IoStatus::success();
    }
    // The file's stamp; nothing when there is no such file (or the file
    // system keeps none).
    virtual std::optional<FileStamp> stamp(const QString &path) const
    {
        (void)path;
        return std::nullopt;
    }
    // Whether replaceFile and readFile may be called from any thread at once.
    virtual bool callableFromAnyThread() const { return false; }
    // Whether the file changed on disk since the program last read or wrote
    // it. Only a file system that keeps track (the program's writer) can say;
    // the others never see a change.
    virtual bool changedOutside(const QString &path) const
    {
        (void)path;
        return false;
    }
    // Removes the temporary files of replaceFile calls that were cut short in
    // `folder` (by the names only replaceFile makes; never anything else) and
    // tells how many it removed. Only while no replaceFile runs.
    virtual int removeReplaceLeftovers(const QString &folder) = 0;
    // Entries of a folder ("." and ".." left out), by name ignoring case, the
    // order the tree lists folders in whatever order the disk keeps them;
    // empty when unreadable.
    virtual QList<FolderEntry> listFolder(const QString &folder) const = 0;
    // Creates the folder with every missing folder above it; a refusal comes
    // with the system's reason (a name too long, a read-only folder).
    virtual IoStatus makePath(const QString &folder) = 0;
    // Renames or moves a file or folder within one file system, never over
    // an existing folder; a refusal comes with the system's reason.
    virtual IoStatus rename(const QString &from, const QString &to) = 0;
    // Removes a file or a symbolic link (never what the link points to).
    virtual bool removeFile(const QString &path) = 0;
    // Removes an empty folder.
    virtual bool removeFolder(const QString &path) = 0;
    // Whether another file system (a USB drive, a network share, a bind mount)
    // is mounted on this folder.
    virtual bool isMountPoint(const QString &folder) const = 0;
};

} // namespace veltrano
