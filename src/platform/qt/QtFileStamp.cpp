// A file's stamp where there is no POSIX stat: size and modification time as
// Qt sees them (no inode; a replace by rename still changes the time).
#include "platform/qt/QtFileSystem.h"

#include <QFileInfo>

namespace veltrano {

std::optional<FileStamp> QtFileSystem::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return FileStamp{info.size(), info.lastModified().toMSecsSinceEpoch() * 1000 * 1000, 0, 0};
}

} // namespace veltrano
