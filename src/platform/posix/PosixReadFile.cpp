// Reading a file whole on POSIX systems, without ever waiting on something
// that is not a file: a FIFO opened for reading blocks until a writer comes,
// a device such as /dev/zero never ends.
#include "platform/qt/QtFileSystem.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Reads what the size promised, then on to the end of the file; false with
// errno set on an error. The size taken may be behind (a file still being
// written, a file of /proc that says 0): what follows it is taken in small
// pieces, and no more than one byte past `maxBytes`.
bool readToEnd(int fd, QByteArray &bytes, qint64 maxBytes)
{
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0) {
            bytes.truncate(filled); // it shrank meanwhile
            return true;
        }
        filled += got;
    }
    char more[4096];
    while (bytes.size() <= maxBytes) {
        const ssize_t got = ::read(fd, more, sizeof more);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        bytes.append(more, got);
    }
    return true;
}

} // namespace

std::optional<QByteArray> QtFileSystem::readRegularFile(const QString &path, qint64 maxBytes, QString &reason)
{
    // O_NONBLOCK: opening a FIFO with no writer returns at once instead of
    // waiting for one; the type is then checked on what was opened, so the
    // file cannot be swapped for a FIFO between a look and the open.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        reason = qt_error_string(errno);
        return std::nullopt;
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0) {
        reason = qt_error_string(errno);
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = NotRegularFileReason();
        return std::nullopt;
    }
    if (st.st_size > maxBytes) {
        reason = TooLargeReason(maxBytes);
        return std::nullopt;
    }
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    if (!readToEnd(fd.get(), bytes, maxBytes)) {
        reason = qt_error_string(errno);
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        reason = TooLargeReason(maxBytes);
        return std::nullopt;
    }
    return bytes;
}

std::optional<FileStamp> QtFileSystem::stampOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return FileStamp{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     quint64(st.st_ino), quint64(st.st_dev)};
}

} // namespace veltrano
