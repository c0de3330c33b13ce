#include "support/HostileFiles.h"

#include <QFile>
#include <QFileInfo>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace veltrano::test {
namespace {

constexpr qint64 kGigabyte = qint64(1) << 30;

qint64 sizeOf(Hostile kind, qint64 bound)
{
    return kind == Hostile::SparseGigabyte ? kGigabyte : bound + 1;
}

#ifndef _WIN32
bool makeSparse(const QByteArray &name, qint64 size)
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool made = ::ftruncate(fd, off_t(size)) == 0;
    ::close(fd);
    return made;
}
#endif

} // namespace

#ifdef _WIN32
// Windows has no FIFO or device a file name leads to: only the sizes. A
// file grown by SetEndOfFile holds nothing the disk has to give.
QList<HostileCase> AllHostileCases()
{
    return {{Hostile::SparseGigabyte, "a sparse gigabyte"}, {Hostile::Oversized, "a byte over the bound"}};
}

bool MakeHostile(const QString &path, Hostile kind, qint64 bound)
{
    QFile::remove(path);
    if (kind == Hostile::Fifo || kind == Hostile::DeviceLink)
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(sizeOf(kind, bound));
}

bool StillHostile(const QString &path, Hostile kind, qint64 bound)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink() && info.size() == sizeOf(kind, bound);
}
#else
QList<HostileCase> AllHostileCases()
{
    return {{Hostile::Fifo, "a FIFO"},
            {Hostile::DeviceLink, "a link to /dev/zero"},
            {Hostile::SparseGigabyte, "a sparse gigabyte"},
            {Hostile::Oversized, "a byte over the bound"}};
}

bool MakeHostile(const QString &path, Hostile kind, qint64 bound)
{
    const QByteArray name = QFile::encodeName(path);
    ::unlink(name.constData());
    switch (kind) {
    case Hostile::Fifo: return ::mkfifo(name.constData(), 0644) == 0;
    case Hostile::DeviceLink: return ::symlink("/dev/zero", name.constData()) == 0;
    case Hostile::SparseGigabyte:
    case Hostile::Oversized: return makeSparse(name, sizeOf(kind, bound));
    }
    return false;
}

bool StillHostile(const QString &path, Hostile kind, qint64 bound)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return false;
    switch (kind) {
    case Hostile::Fifo: return S_ISFIFO(st.st_mode);
    case Hostile::DeviceLink: {
        char target[64] = {};
        return S_ISLNK(st.st_mode) && ::readlink(name.constData(), target, sizeof target - 1) > 0
               && QByteArray(target) == "/dev/zero";
    }
    case Hostile::SparseGigabyte:
    case Hostile::Oversized:
        // A write into it would have given it blocks on the disk.
        return S_ISREG(st.st_mode) && st.st_size == sizeOf(kind, bound) && st.st_blocks == 0;
    }
    return false;
}

#endif

} // namespace veltrano::test
