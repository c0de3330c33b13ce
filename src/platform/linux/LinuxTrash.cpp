#include "platform/linux/LinuxTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano {
namespace {

constexpr qsizetype kNameMax = 255;
const QByteArray kInfoSuffix = QByteArrayLiteral(".trashinfo");
constexpr int kMostAttempts = 10000;

IoStatus refusal(int error)
{
    return IoStatus::failure(qt_error_string(error));
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray inFolder(const QByteArray &folder, const QByteArray &name)
{
    QByteArray path = folder;
    if (!path.endsWith('/'))
        path += '/';
    return path + name;
}

// mkdir -p, private to the user for what it makes.
bool makeFolders(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) == 0)
        return true;
    if (errno == EEXIST) {
        struct stat st;
        if (::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
            return true;
        errno = ENOTDIR;
        return false;
    }
    if (errno != ENOENT || path == "/")
        return false;
    return makeFolders(parentOf(path)) && ::mkdir(path.constData(), 0700) == 0;
}

std::optional<dev_t> deviceOf(const QByteArray &path)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return std::nullopt;
    return st.st_dev;
}

// The highest folder above `folder` still on `device`: the top of its file system.
QByteArray mountTopOf(QByteArray folder, dev_t device)
{
    while (folder != "/") {
        const QByteArray parent = parentOf(folder);
        if (deviceOf(parent) != device)
            break;
        folder = parent;
    }
    return folder;
}

// A trash folder the user owns, not a link, on the item's file system, with
// its files/ and info/ ready.
bool readyTrash(const QByteArray &trash, dev_t device)
{
    struct stat st;
    if (::lstat(trash.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()
        || st.st_dev != device)
        return false;
    return makeFolders(inFolder(trash, "files")) && makeFolders(inFolder(trash, "info"))
           && deviceOf(inFolder(trash, "files")) == device;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Reserves a name in info/ (the trash's lock: whoever creates the info file
// owns the name), then renames the item into files/ under it.
IoStatus placeInTrash(const QByteArray &item, const QByteArray &trash, const QByteArray &recordedPath)
{
    const QByteArray name = item.mid(item.lastIndexOf('/') + 1);
    for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
        const QByteArray entry = TrashEntryName(name, attempt);
        const QByteArray infoFile = inFolder(trash, QByteArray("info/" + entry + kInfoSuffix));
        const int fd = ::open(infoFile.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return refusal(errno);
        }
        const QByteArray target = inFolder(trash, QByteArray("files/" + entry));
        struct stat st;
        if (::lstat(target.constData(), &st) == 0) { // left there without its info file
            ::close(fd);
            ::unlink(infoFile.constData());
            continue;
        }
        const bool written = writeAll(fd, TrashInfoText(recordedPath, QDateTime::currentDateTime()));
        const int writeError = errno;
        if (::close(fd) != 0 || !written) {
            ::unlink(infoFile.constData());
            return refusal(written ? errno : writeError);
        }
        if (::rename(item.constData(), target.constData()) != 0) {
            const int error = errno;
            ::unlink(infoFile.constData());
            return refusal(error);
        }
        return IoStatus::success();
    }
    return refusal(EEXIST);
}

QString defaultDataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

} // namespace

QString TopDirectoryTrash(const QString &top, QString *reason)
{
    const QByteArray topPath = QFile::encodeName(QDir::cleanPath(top));
    const QByteArray uid = QByteArray::number(::getuid());
    const auto refused = [reason](int error) {
        if (reason)
            *reason = qt_error_string(error);
        return QString();
    };
    const std::optional<dev_t> device = deviceOf(topPath);
    if (!device)
        return refused(errno);
    const QByteArray shared = inFolder(topPath, ".Trash");
    struct stat st;
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const QByteArray mine = inFolder(shared, uid);
        ::mkdir(mine.constData(), 0700);
        if (readyTrash(mine, *device))
            return QFile::decodeName(mine);
    }
    const QByteArray own = inFolder(topPath, QByteArray(".Trash-" + uid));
    if (::mkdir(own.constData(), 0700) != 0 && errno != EEXIST)
        return refused(errno);
    errno = 0;
    if (readyTrash(own, *device))
        return QFile::decodeName(own);
    // Not a folder, a link, someone else's or elsewhere: not ours to use.
    return refused(errno != 0 ? errno : EPERM);
}

QByteArray TrashInfoText(const QByteArray &path, const QDateTime &deleted)
{
    return "[Trash Info]\nPath=" + path.toPercentEncoding("/") + "\nDeletionDate="
           + deleted.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + '\n';
}

QByteArray TrashEntryName(const QByteArray &name, int attempt)
{
    const QByteArray suffix = attempt <= 1 ? QByteArray() : QByteArray('.' + QByteArray::number(attempt));
    const qsizetype room = kNameMax - kInfoSuffix.size() - suffix.size();
    if (name.size() <= room)
        return name + suffix;
    qsizetype cut = room;
    while (cut > 0 && (uchar(name.at(cut)) & 0xC0) == 0x80)
        --cut;
    return name.left(cut) + suffix;
}

LinuxTrash::LinuxTrash(QString dataHome) : m_dataHome(std::move(dataHome))
{
}

IoStatus LinuxTrash::moveToTrash(const QString &path)
{
    const QByteArray item = QFile::encodeName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    struct stat st;
    if (::lstat(item.constData(), &st) != 0)
        return refusal(errno);
    const QByteArray parent = parentOf(item);
    // A file system mounted right here cannot be moved anywhere.
    if (item == "/" || deviceOf(parent) != st.st_dev)
        return refusal(EBUSY);

    const QByteArray home = inFolder(QFile::encodeName(m_dataHome.isEmpty() ? defaultDataHome() : m_dataHome),
                                     "Trash");
    const bool homeReady = makeFolders(inFolder(home, "files")) && makeFolders(inFolder(home, "info"));
    const int homeError = errno;
    if (homeReady && deviceOf(inFolder(home, "files")) == st.st_dev)
        return placeInTrash(item, home, item);
    if (!homeReady && deviceOf(parentOf(home)) == st.st_dev)
        return IoStatus::failure(QStringLiteral("The trash \"%1\" cannot be used: %2")
                                     .arg(QFile::decodeName(home), qt_error_string(homeError)));

    const QByteArray top = mountTopOf(parent, st.st_dev);
    QString reason;
    const QString trash = TopDirectoryTrash(QFile::decodeName(top), &reason);
    if (trash.isEmpty())
        return IoStatus::failure(QStringLiteral("There is no trash on the file system of \"%1\": %2")
                                     .arg(QFile::decodeName(top), reason));
    // Recorded relative to the top, so the trash still holds when the
    // file system is mounted elsewhere.
    return placeInTrash(item, QFile::encodeName(trash), top == "/" ? item.mid(1) : item.mid(top.size() + 1));
}

} // namespace veltrano
