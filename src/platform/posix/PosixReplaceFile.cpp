// Atomic file replacement on POSIX systems: a temporary file beside the
// target, its data on the disk, then one rename over the target.
#include "platform/qt/QtFileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano {
namespace {

QString randomLettersAndDigits()
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString random(6, Qt::Uninitialized);
    for (QChar &c : random)
        c = QLatin1Char(kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet - 1))]);
    return random;
}

IoStatus systemFailure()
{
    return IoStatus::failure(qt_error_string(errno));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A file no other user may read while it holds the data of one that had its
// mode narrowed; a file made new gets the mode a new file gets (the umask's).
int createTemporary(const QString &folder, const QString &name, bool replacing, QString &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + ReplaceTemporaryName(name, randomLettersAndDigits());
        const int fd = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              replacing ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

IoStatus QtFileSystem::writeBesideAndRename(const QString &target, const QByteArray &bytes)
{
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old;
    const bool replacing = ::stat(targetName.constData(), &old) == 0;
    const QFileInfo info(target);
    QString temporary;
    const int fd = createTemporary(info.absolutePath() + u'/', info.fileName(), replacing, temporary);
    if (fd < 0)
        return systemFailure();
    const QByteArray temporaryName = QFile::encodeName(temporary);
    // The data must be on the disk before the rename makes them the file's:
    // otherwise a power cut could leave the new name with no data behind it.
    IoStatus status = (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, bytes)
                              && ::fdatasync(fd) == 0
                          ? IoStatus::success()
                          : systemFailure();
    if (::close(fd) != 0 && status)
        status = systemFailure();
    if (status && ::rename(temporaryName.constData(), targetName.constData()) != 0)
        status = systemFailure();
    if (!status)
        ::unlink(temporaryName.constData());
    return status;
}

} // namespace veltrano
