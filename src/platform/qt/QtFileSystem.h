#pragma once
#include "platform/FileSystem.h"

namespace veltrano {

// Qt's file classes, with a folder listing of each OS's own (posix/).
class QtFileSystem : public FileSystem {
public:
    bool exists(const QString &path) const override;
    bool isFolder(const QString &path) const override;
    std::optional<QByteArray> readFile(const QString &path, QString *reason) const override;
    IoStatus replaceFile(const QString &path, const QByteArray &bytes) override;
    QList<FolderEntry> listFolder(const QString &folder) const override;
    bool makePath(const QString &folder) override;
    bool rename(const QString &from, const QString &to) override;
    bool removeFile(const QString &path) override;
    bool removeFolder(const QString &path) override;
    bool isMountPoint(const QString &folder) const override;
};

} // namespace veltrano
