#pragma once
#include "platform/FileSystem.h"

namespace veltrano {

// Qt's file classes, with a folder listing of each OS's own (posix/).
class QtFileSystem : public FileSystem {
public:
    bool exists(const QString &path) const override;
    bool isFolder(const QString &path) const override;
    std::optional<QByteArray> readFile(const QString &path, QString *reason = nullptr,
                                       qint64 maxBytes = kDefaultReadLimit) const override;
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override;
    IoStatus checkReplaceable(const QString &path) const override;
    std::optional<FileStamp> stamp(const QString &path) const override;
    bool callableFromAnyThread() const override { return true; }
    int removeReplaceLeftovers(const QString &folder) override;
    QList<FolderEntry> listFolder(const QString &folder) const override;
    // These two give the system's reason for a refusal, so each OS brings
    // its own (posix/).
    IoStatus makePath(const QString &folder) override;
    IoStatus rename(const QString &from, const QString &to) override;
    bool removeFile(const QString &path) override;
    bool removeFolder(const QString &path) override;
    bool isMountPoint(const QString &folder) const override;

private:
    // Reads a regular file of at most `maxBytes`, opening it in a way that
    // cannot block on a FIFO or a device (each OS its own, posix/...).
    static std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString &reason);
    // Writes the bytes to a temporary file beside `target`, makes them durable
    // and renames the file over `target` (each OS its own, posix/...).
    static IoStatus writeBesideAndRename(const QString &target, const QByteArray &bytes);
    // The stamp of what is at `path` (each OS its own, posix/...).
    static std::optional<FileStamp> stampOf(const QString &path);
};

// The name of replaceFile's temporary file for a file named `name`, with six
// random letters or digits of `random`: hidden, and spelled so that no file
// the user keeps is taken for one.
QString ReplaceTemporaryName(const QString &name, QStringView random);
bool IsReplaceTemporaryName(QStringView name);

// The reasons a read or a replace gives for what it does not touch.
QString NotRegularFileReason();
QString TooLargeReason(qint64 maxBytes);

} // namespace veltrano
